"""The sorvane sessions of sorvane's guide (docs/sorvane.md) and of the README as they really run:
every fenced block that starts with "$ build/tools/sorvane" is played as one shell script in a
fresh folder (its design files carry from one command to the next, not to other blocks), and what
it prints, standard error included, must be the block's lines that are not commands.

Usage: python3 sorvane_sessions_test.py SORVANE PROJECT_SOURCE_DIR
"""
import os
import re
import subprocess
import sys
import tempfile
import unittest

SORVANE = SOURCE = None
PROMPT = "$ build/tools/sorvane"

# Each page that shows sorvane sessions, with the fewest blocks it holds: a block the pattern
# stops recognising (a changed fence, a changed prompt) would otherwise go unplayed unnoticed.
PAGES = {"docs/sorvane.md": 20, "README.md": 1}


def sessions(page):
    """(script, expected output) of each session block, in the page's order."""
    for block in re.findall(r"^```\n(.*?)^```$", page, re.M | re.S):
        if not block.startswith(PROMPT):
            continue
        script, expected, continued = [], [], False
        for line in block.splitlines():
            if continued or line.startswith("$ "):
                script.append(line[2:] if not continued else line)
                continued = line.endswith("\\")
            else:
                expected.append(line)
        yield "\n".join(script) + "\n", "\n".join(expected) + "\n"


class SorvaneSessions(unittest.TestCase):
    def test_every_session_prints_what_its_page_shows(self):
        for name, fewest in PAGES.items():
            with open(os.path.join(SOURCE, name), encoding="utf-8") as file:
                found = list(sessions(file.read()))
            self.assertGreaterEqual(len(found), fewest, name)
            for script, expected in found:
                with self.subTest(page=name, session=script.splitlines()[0]), \
                        tempfile.TemporaryDirectory() as folder:
                    os.makedirs(os.path.join(folder, "build", "tools"))
                    os.symlink(os.path.abspath(SORVANE),
                               os.path.join(folder, "build", "tools", "sorvane"))
                    run = subprocess.run(["bash", "-c", script], cwd=folder, text=True,
                                         stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
                    self.assertEqual(run.stdout, expected)


if __name__ == "__main__":
    SORVANE, SOURCE = sys.argv[1:3]
    del sys.argv[1:3]
    unittest.main()
