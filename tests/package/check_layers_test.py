"""scripts/check-layers.py on small trees: OpenCASCADE's headers are for sorvane's STEP writer and
the tests alone, curve/'s folders include only those below them, and sorvane's formats never see
the session's driver.

Usage: python3 check_layers_test.py PROJECT_SOURCE_DIR
"""
import os
import subprocess
import sys
import tempfile
import unittest

SOURCE = None
OCCT = "#include <Geom_BSplineCurve.hxx>\n"


class OpenCascadeLayer(unittest.TestCase):
    def check(self, files):
        """check-layers' exit status and offences for a tree of `files` (path: text)."""
        with tempfile.TemporaryDirectory() as root:
            for path, text in files.items():
                os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
                with open(os.path.join(root, path), "w", encoding="utf-8") as file:
                    file.write(text)
            run = subprocess.run([sys.executable, os.path.join(SOURCE, "scripts", "check-layers.py"),
                                  root], capture_output=True, text=True)
        return run.returncode, [line for line in run.stdout.splitlines() if ": includes " in line]

    def test_the_step_writer_and_the_tests_may_include_it(self):
        self.assertEqual(self.check({"tools/formats/StepWriter.cpp": OCCT,
                                     "tests/tools/formats/StepReadBack.h": OCCT}), (0, []))

    def test_every_other_source_including_it_is_named(self):
        others = ["tools/formats/DxfWriter.cpp", "tools/formats/StepWriter.h",
                  "dialog/CommandTexts.h", "curve/fit/fit.cpp", "host/sim/SimSketch.cpp",
                  "bench/tools/bench_step.cpp"]
        status, found = self.check({path: OCCT for path in others})
        self.assertEqual(status, 1)
        self.assertEqual(sorted(line.split(":")[0] for line in found), sorted(others))
        for line in found:
            self.assertIn("OpenCASCADE is for sorvane's STEP writer", line)


class Rooms(unittest.TestCase):
    check = OpenCascadeLayer.check

    def test_curves_folders_include_only_those_below(self):
        status, found = self.check({
            "curve/fit/SplineFit.h": "",
            "curve/formula/Formula.h": "",
            "curve/status/Status.h": '#include "curve/fit/SplineFit.h"\n',
            "curve/sampling/Sampled.h": '#include "curve/formula/Formula.h"\n'
                                        '#include "curve/fit/SplineFit.h"\n'})
        self.assertEqual(status, 1)
        self.assertEqual(found, ['curve/sampling/Sampled.h: includes "curve/fit/SplineFit.h": '
                                 'across the layers'])

    def test_the_formats_never_see_the_sessions_driver(self):
        status, found = self.check({
            "host/driver/HostSession.h": "",
            "tools/session/SessionPlayer.h": '#include "host/driver/HostSession.h"\n',
            "tools/formats/DxfWriter.cpp": '#include "host/driver/HostSession.h"\n'
                                           '#include "tools/session/SessionPlayer.h"\n'})
        self.assertEqual(status, 1)
        self.assertEqual(sorted(found), [
            'tools/formats/DxfWriter.cpp: includes "host/driver/HostSession.h": across the layers',
            'tools/formats/DxfWriter.cpp: includes "tools/session/SessionPlayer.h": '
            'across the layers'])


if __name__ == "__main__":
    SOURCE = sys.argv.pop(1)
    unittest.main()
