"""The add-in folder that `cmake --install` puts together, as the host reads it: the library named
after the folder and exporting run and stop, the manifest with the fields the host reads, the
button icons where the add-in's resource folder points, the help page where the command names
it, and the notices of the third-party code it carries.

Usage: python3 addin_folder_test.py CMAKE BUILD_DIR PROJECT_SOURCE_DIR PROJECT_VERSION
"""
import filecmp
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

CMAKE = BUILD = SOURCE = VERSION = None
ICONS = [f"{size}x{size}{theme}.png" for size in (16, 32, 64) for theme in ("", "-dark")]
LIBRARY = "Vintrel.dll" if sys.platform == "win32" else "Vintrel.so"


class AddInFolder(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.prefix = tempfile.mkdtemp(prefix="vintrel_install_")
        subprocess.run([CMAKE, "--install", BUILD, "--prefix", cls.prefix, "--component", "addin"],
                       check=True, capture_output=True)
        cls.folder = os.path.join(cls.prefix, "Vintrel")

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.prefix)

    def path(self, *parts):
        return os.path.join(self.folder, *parts)

    def test_folder_holds_exactly_the_add_in(self):
        found = sorted(os.path.relpath(os.path.join(top, name), self.folder)
                       for top, _, names in os.walk(self.folder) for name in names)
        expected = sorted([LIBRARY, "Vintrel.manifest", "docs/help.html", "THIRD-PARTY-NOTICES"] +
                          [f"resources/{icon}" for icon in ICONS])
        self.assertEqual(found, expected)
        self.assertEqual(os.listdir(self.prefix), ["Vintrel"])

    def test_installed_files_are_the_repository_s(self):
        for icon in ICONS:
            self.assertTrue(filecmp.cmp(self.path("resources", icon),
                                        os.path.join(SOURCE, "resources", icon), shallow=False))
        self.assertTrue(filecmp.cmp(self.path("docs", "help.html"),
                                    os.path.join(SOURCE, "docs", "help.html"), shallow=False))

    def test_notices_hold_the_licenses_of_what_the_add_in_carries(self):
        with open(self.path("THIRD-PARTY-NOTICES"), encoding="utf-8") as file:
            notices = file.read()
        # muparser's BSD-2-Clause and nlohmann/json's MIT license, each with its copyright.
        for held in ["Copyright (C) 2004 - 2021 Ingo Berg",
                     "Redistributions in binary form must reproduce the above copyright notice",
                     "Copyright (c) 2013-2022 Niels Lohmann",
                     "Permission is hereby granted, free of charge, to any person obtaining a copy"]:
            self.assertIn(held, notices)
        # Nothing that only sorvane or the tests use, and each text as the full notices give it.
        for absent in ["CLI11", "Open CASCADE", "GoogleTest", "Apache"]:
            self.assertNotIn(absent, notices)
        with open(os.path.join(SOURCE, "THIRD-PARTY-NOTICES"), encoding="utf-8") as file:
            everything = file.read()
        sections = notices.split("=" * 78 + "\n")[1:]
        self.assertEqual(len(sections), 4)  # two headings, two texts
        for section in sections:
            self.assertIn(section, everything)

    def test_library_exports_the_entry_points(self):
        # Read from the dynamic symbol table rather than by loading the library: a sanitizer
        # build of it cannot be loaded into Python.
        listing = subprocess.run(["nm", "-D", "--defined-only", self.path(LIBRARY)],
                                 check=True, capture_output=True, text=True).stdout
        functions = {line.split()[2] for line in listing.splitlines()
                     if len(line.split()) == 3 and line.split()[1] == "T"}
        # Everything else stays inside: a stray export could clash with another add-in's.
        self.assertEqual(functions, {"run", "stop"})

    def test_paths_the_add_in_names_exist_in_the_folder(self):
        # The button's resource folder and the dialog's help page are relative to the add-in
        # folder; the literals are read from the sources so that a moved file is caught here.
        named = [("dialog/CommandTexts.h", r'kCommandResourceFolder\[\] = "([^"]+)"'),
                 ("dialog/CommandTexts.h", r'kHelpFile\[\] = "([^"]+)"')]
        for source, pattern in named:
            with open(os.path.join(SOURCE, source), encoding="utf-8") as file:
                match = re.search(pattern, file.read())
            self.assertTrue(match, f"{pattern} not found in {source}")
            self.assertTrue(os.path.exists(os.path.normpath(self.path(match.group(1)))),
                            match.group(1))
        self.assertTrue(os.path.isfile(self.path("resources", "16x16.png")))

    def test_manifest_has_the_fields_the_host_reads(self):
        with open(self.path("Vintrel.manifest"), encoding="utf-8") as file:
            manifest = json.load(file)
        self.assertEqual(manifest["type"], "addin")
        self.assertIn(manifest["autodeskProduct"], ("Fusion360", "Fusion"))
        self.assertRegex(manifest["id"],
                         r"^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$")
        self.assertIsInstance(manifest["author"], str)
        self.assertTrue(manifest["author"].strip())
        self.assertIsInstance(manifest["description"], dict)
        self.assertTrue(manifest["description"][""].strip())
        self.assertEqual(manifest["version"], VERSION)
        self.assertIs(type(manifest["runOnStartup"]), bool)
        systems = manifest["supportedOS"].split("|")
        self.assertTrue(systems and set(systems) <= {"windows", "mac"}, systems)

    def test_manifest_id_stays_fixed(self):
        # The host tells add-ins apart by their id: a new one at each build would make every
        # update a different add-in.
        with open(os.path.join(SOURCE, "addin", "Vintrel.manifest.in"), encoding="utf-8") as file:
            template = file.read()
        with open(self.path("Vintrel.manifest"), encoding="utf-8") as file:
            installed = json.load(file)
        self.assertIn(f'"id": "{installed["id"]}"', template)
        self.assertFalse(re.search(r"@\w+@", json.dumps(installed)), "unconfigured placeholder")


if __name__ == "__main__":
    CMAKE, BUILD, SOURCE, VERSION = sys.argv[1:5]
    del sys.argv[1:5]
    unittest.main()
