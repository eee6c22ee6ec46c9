"""The README's sorvane sessions as they really run: every fenced block that starts with
"$ build/tools/sorvane" is played as one shell script in a fresh folder (its design files carry
from one command to the next, not to other blocks), and what it prints, standard error included,
must be the block's lines that are not commands.

Usage: python3 readme_examples_test.py SORVANE PROJECT_SOURCE_DIR
"""
import os
import re
import subprocess
import sys
import tempfile
import unittest

SORVANE = SOURCE = None
PROMPT = "$ build/tools/sorvane"


def sessions(readme):
    """(script, expected output) of each session block, in README order."""
    for block in re.findall(r"^```\n(.*?)^```$", readme, re.M | re.S):
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


class ReadmeExamples(unittest.TestCase):
    def test_every_session_prints_what_the_readme_shows(self):
        with open(os.path.join(SOURCE, "README.md"), encoding="utf-8") as file:
            found = list(sessions(file.read()))
        self.assertGreaterEqual(len(found), 10)
        for script, expected in found:
            with self.subTest(script.splitlines()[0]), tempfile.TemporaryDirectory() as folder:
                os.makedirs(os.path.join(folder, "build", "tools"))
                os.symlink(os.path.abspath(SORVANE), os.path.join(folder, "build", "tools", "sorvane"))
                run = subprocess.run(["bash", "-c", script], cwd=folder, text=True,
                                     stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
                self.assertEqual(run.stdout, expected)


if __name__ == "__main__":
    SORVANE, SOURCE = sys.argv[1:3]
    del sys.argv[1:3]
    unittest.main()
