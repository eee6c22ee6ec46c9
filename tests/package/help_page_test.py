"""The help page that the host's help browser shows: a well-formed page that needs nothing from
outside, that explains every message the command shows in the words the command uses, and whose
formula library is the add-in's library of curves to start from and draws, through the real add-in
in sorvane, the curves it promises.

Usage: python3 help_page_test.py SORVANE PROJECT_SOURCE_DIR
"""
import html
import html.parser
import json
import os
import re
import subprocess
import sys
import unittest

SORVANE = SOURCE = None
VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "source",
        "track", "wbr"}
REQUIRED_CURVES = {"helix", "spring", "conical", "trefoil", "torus", "lissajous", "involute",
                   "cycloid", "epicycloid", "cardioid", "archimedean", "logarithmic", "sine", "cam",
                   "wave", "sphere", "default-helix", "variable-pitch", "thread", "gear-flank",
                   "hypocycloid", "cycloidal-disc", "superellipse", "disc-cam"}

# Inputs that make the dialog show a message, and the page must show that message word for word.
FAILING_INPUTS = [
    ["--x", "R*t"],
    ["--param", "Radius=2", "--x", "radius * t"],
    ["--x", "2 \u2212 t"],
    ["--x", "2\u03c0*t"],
    ["--x", "sin(30\u00b0)"],
    ["--x", "2\u00d7t"],
    ["--x", "2 *\u00a0t"],
    ["--x", "t + $"],
    ["--x", "t + $" + "+t" * 1000],
    ["--x", "cos(2*pi*t"],
    ["--x", "sin(t))"],
    ["--x", "2*"],
    ["--x", "t ** 2"],
    ["--x", "3t"],
    ["--x", "2 pi"],
    ["--x", "cos 2*pi*t)"],
    ["--x", "sin(t,1)"],
    ["--x", "max()"],
    ["--x", "t ? 1"],
    ["--x", "1 : 2"],
    ["--x", '"abc"'],
    ["--x", "1,5"],
    ["--x", "+".join(["t"] * 10001)],
    ["--x", "1 / (t - 1)", "--t-end", "2"],
    ["--t-start", "-1e308", "--t-end", "1e308"],
    ["--x", "1e301 * t", "--t-end", "1"],
    ["--x", "t < 0.5 ? t : t + 1", "--y", "0", "--z", "0", "--t-end", "1"],
    ["--x", "1", "--y", "2", "--z", "3"],
    ["--t-start", "1", "--t-end", "1"],
    ["--t-start", "2 *"],
    ["--t-end", "2 * pj"],
    ["--x", "0.0009*cos(2*pi*t)", "--y", "0.0009*sin(2*pi*t)", "--z", "0.0001*t", "--t-end", "0.9"],
    ["--units", "mm", "--tolerance", "0"],
    ["--tolerance", "0.02 mm"],
    ["--coordinates", "cylindrical", "--x", "t < 0.5 ? 1 : 2", "--y", "0", "--z", "0",
     "--t-end", "1"],
    ["--coordinates", "spherical", "--y", "1 / (t - 1)", "--t-end", "2"],
    ["--define", "r 20"],
    ["--define", "= 20"],
    ["--define", "2r = 1"],
    ["--define", "t = 1"],
    ["--define", "pi = 1"],
    ["--define", "sin = 1"],
    ["--define", "r = 1\nr = 2"],
    ["--define", "r = "],
    ["--define", "a = b\nb = 1"],
    ["--define", "a = 1\nc = b\nb = 2"],
    ["--define", "a = a + 1"],
    ["--define", "a = 1 / (t - 1)", "--t-end", "2"],
]
# Messages that sorvane cannot provoke (the value inputs take finite values only, the host
# objects are always there), as the code words them.
OTHER_MESSAGES = [
    "Starting t Value is not a finite number: ",
    "Ending t Value is not a finite number: ",
    "Unknown exception",
    "Invalid variable index: ",
    "The 'Sorvane' command has been added to the Sketch panel in the Modeling workspace.",
    "Editing the selected formula curve: OK replaces it.",
    "The selected curve's formula cannot be read: ",
    "Pressing OK draws a new curve.",
    "The curve was drawn, but its formula could not be stored on it: it cannot be edited or "
    "follow the design's parameters.",
    "The curve could not be replaced: the host refused its new shape or its new "
    "formula. It is unchanged.",
    "The curve has its new shape, but its new formula could not be stored and its old "
    "shape could not be restored: edit it again, or undo.",
    "These formula curves could not follow the design's parameters and keep their shape:",
    "These formula curves were updated, but their new splines miss the tolerance:",
    'Units: "\u2026" is not a choice this add-in knows',
    'Coordinates: "\u2026" is not a choice this add-in knows',
    "is longer than the 100 bytes a name may have; shorten it",
    "An unexpected condition was encountered. Please let us know so we can fix it! Take a "
    "screenshot of this message and contact us at ",
]


class PageStructure(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.open = []
        self.problems = []
        self.ids = []
        self.links = []
        self.tags = []
        self.attributes = []
        self.text = []
        self.style = []
        self._in_style = False

    def handle_starttag(self, tag, attrs):
        self.tags.append(tag)
        self.attributes += [(tag, name, value or "") for name, value in attrs]
        attributes = dict(attrs)
        if "id" in attributes:
            self.ids.append(attributes["id"])
        if "href" in attributes:
            self.links.append(attributes["href"])
        if tag == "style":
            self._in_style = True
        if tag not in VOID:
            self.open.append((tag, self.getpos()))

    def handle_startendtag(self, tag, attrs):
        self.handle_starttag(tag, attrs)
        if tag not in VOID:
            self.open.pop()

    def handle_endtag(self, tag):
        if tag == "style":
            self._in_style = False
        if not self.open or self.open[-1][0] != tag:
            self.problems.append(f"</{tag}> at {self.getpos()} closes {self.open[-1:]}")
            return
        self.open.pop()

    def handle_data(self, data):
        (self.style if self._in_style else self.text).append(data)


def read_page():
    with open(os.path.join(SOURCE, "docs", "help.html"), encoding="utf-8") as file:
        source = file.read()
    page = PageStructure()
    page.feed(source)
    page.close()
    return source, page


def dialog_texts():
    """The string constants of dialog/CommandTexts.h by name, their escapes decoded."""
    with open(os.path.join(SOURCE, "dialog", "CommandTexts.h"), encoding="utf-8") as file:
        found = re.findall(r'constexpr char (k\w+)\[\] = "((?:[^"\\]|\\.)*)";', file.read())
    return {name: value.encode("latin-1").decode("unicode_escape").encode("latin-1").decode()
            for name, value in found}


def flat(text):
    return re.sub(r"\s+", " ", text)


def run_sorvane(arguments):
    return subprocess.run([SORVANE, "--quiet", "--json", "-", *arguments], capture_output=True,
                          text=True)


class HelpPage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.source, cls.page = read_page()
        cls.text = flat("".join(cls.page.text))

    def test_page_is_well_formed(self):
        self.assertTrue(self.source.startswith("<!DOCTYPE html>"))
        self.assertEqual(self.page.problems, [])
        self.assertEqual(self.page.open, [])
        for tag in ("html", "head", "title", "body"):
            self.assertEqual(self.page.tags.count(tag), 1, tag)
        self.assertIn(("meta", "charset", "utf-8"), self.page.attributes)
        self.assertEqual(len(self.page.ids), len(set(self.page.ids)), "duplicate ids")

    def test_page_needs_nothing_from_outside(self):
        for tag in ("script", "link", "img", "iframe", "object", "embed", "base"):
            self.assertNotIn(tag, self.page.tags)
        for tag, name, value in self.page.attributes:
            self.assertNotIn(name, ("src", "srcset", "background", "data"), (tag, name))
            self.assertNotRegex(value, r"(?i)^\s*(https?:|//|file:|javascript:)", (tag, name))
        style = "".join(self.page.style)
        self.assertNotIn("url(", style)
        self.assertNotIn("@import", style)

    def test_every_link_leads_to_a_place_on_the_page(self):
        self.assertTrue(self.page.links)
        for link in self.page.links:
            self.assertTrue(link.startswith("#"), link)
            self.assertIn(link[1:], self.page.ids)

    def test_page_shows_every_message_as_the_command_words_it(self):
        for arguments in FAILING_INPUTS:
            with self.subTest(arguments):
                run = run_sorvane(arguments)
                self.assertEqual(run.returncode, 1, run.stderr)
                message = run.stderr.strip().splitlines()[0]
                self.assertTrue(message.startswith("sorvane: "), message)
                shown = flat(message[len("sorvane: "):])
                self.assertTrue(shown in self.text, f"the page lacks {shown!r}")
        for message in OTHER_MESSAGES:
            self.assertTrue(message in self.text, f"the page lacks {message!r}")
        with open(os.path.join(SOURCE, "addin", "unexpectedErrorMessage.h"), encoding="utf-8") as f:
            address = re.search(r'kSupportAddress\[\] = "([^"]+)"', f.read()).group(1)
        self.assertTrue(f"contact us at {address}." in self.text, address)

    def test_page_shows_both_kinds_of_status(self):
        statuses = [run_sorvane(["--x", "t", "--y", y, "--z", "0", "--t-end", "1", *units])
                    for y, units in (("0", []), ("0.1 * sin(20000 * t)", []),
                                     ("0.1 * sin(20000 * t)", ["--document-units", "mm"]))]
        for run in statuses:
            self.assertEqual(run.returncode, 0, run.stderr)
        met, *missed = (json.loads(run.stdout)["status"] for run in statuses)
        self.assertEqual(met, "4 spline controls")
        for status in missed:
            self.assertTrue(status in self.text, f"the page lacks {status!r}")

    def test_tolerance_table_gives_the_dialogs_start_and_bounds(self):
        rows = re.findall(r"<tr><td>([^<]+)</td><td><code>([^<]+)</code></td><td>from ([^<]+)</td>",
                          self.source)
        units = [html.unescape(unit) for unit, _, _ in rows]
        # The dialog's Units drop-down, in its order (defineCommandDialogTest checks its items).
        self.assertEqual(units, ["mm", "cm", "m", "in", "ft", "yd", "\u00b5m", "hm", "mi", "mil",
                                 "nmi"])
        listed = re.search(r"<tr><td>Units</td><td>[^<]*</td><td>[^:]*: ([^(]*) \(", self.source)
        self.assertEqual(re.split(r", | or ", html.unescape(listed.group(1))), units)
        for unit, start, bounds in rows:
            with self.subTest(unit):
                unit = html.unescape(unit)
                opened = run_sorvane(["--document-units", unit])
                self.assertEqual(json.loads(opened.stdout)["inputs"]["units"], unit)
                self.assertEqual(json.loads(opened.stdout)["inputs"]["tolerance"], float(start))
                refused = run_sorvane(["--document-units", unit, "--tolerance", "0"])
                self.assertIn(f"must be a number from {bounds} {unit};", refused.stderr)
                # The bounds as shown, typed back, are accepted: a straight metre, which any
                # tolerance fits at once, takes them.
                for bound in bounds.split(" to "):
                    typed = run_sorvane(["--document-units", unit, "--tolerance", bound,
                                         "--param", "L=100cm", "--x", "L * t", "--y", "0", "--z",
                                         "0", "--t-end", "1"])
                    self.assertEqual(typed.returncode, 0, typed.stderr)

    def test_page_shows_the_notes_on_hidden_parameters(self):
        for name, value, define in (("t", "1", []), ("pi", "3", []),
                                    ("R", "2", ["--define", "R = 20"])):
            with self.subTest(name):
                run = run_sorvane(["--param", f"{name}={value}", *define])
                self.assertEqual(run.returncode, 0, run.stderr)
                count, note = json.loads(run.stdout)["status"].split("\n")
                self.assertRegex(count, r"^\d+ spline controls$")
                self.assertTrue(note in self.text, f"the page lacks {note!r}")

    def test_page_explains_the_parts_a_designer_needs(self):
        for anchor in ("placement", "units", "inputs", "coordinates", "syntax", "parameters",
                       "edit", "follow", "fit", "tolerance", "messages", "library"):
            self.assertIn(anchor, self.page.ids)
        for phrase in ("? a : b", "pi", "centimetres", "radians", "spline controls", "0.002",
                       "coordinates of the sketch being edited"):
            self.assertTrue(phrase in self.text, phrase)
        # Every input and choice of the dialog, by the name the dialog gives it.
        for name, text in dialog_texts().items():
            if name.endswith(("Label", "Item")):
                self.assertTrue(flat(text) in self.text, f"the page lacks {name} {text!r}")


class FormulaLibrary(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        sys.path.insert(0, os.path.join(SOURCE, "scripts"))
        import helpformulas
        cls.entries = helpformulas.read_library(os.path.join(SOURCE, "docs", "help.html"))
        cls.arguments = staticmethod(helpformulas.sorvane_arguments)
        cls.library = helpformulas

    def test_library_has_the_promised_curves(self):
        ids = [entry["id"] for entry in self.entries]
        self.assertGreaterEqual(len(ids), 12)
        self.assertEqual(len(ids), len(set(ids)))
        self.assertLessEqual(REQUIRED_CURVES, set(ids))

    def test_every_formula_gives_a_spline_within_the_tolerance(self):
        for entry in self.entries:
            with self.subTest(entry["id"]):
                run = run_sorvane(self.arguments(entry))
                self.assertEqual(run.returncode, 0, run.stderr)
                session = json.loads(run.stdout)
                # The page says every curve of the library fits within the tolerance.
                self.assertRegex(session["status"], r"^\d+ spline controls(, closed)?$")
                splines = [spline for sketch in session["sketches"]
                           for spline in sketch["splines"]]
                self.assertEqual(len(splines), 1)
                inputs = session["inputs"]
                self.assertEqual(inputs["definitions"], self.library.definitions_text(entry))
                self.assertEqual([inputs[k] for k in "xyz"], [entry[k] for k in "xyz"])
                self.assertEqual(inputs["units"], self.library.UNITS)
                self.assertEqual(inputs["tolerance"], 0.02)  # a millimetre design's
                self.assertEqual(inputs["coordinates"],
                                 self.library.COORDINATES[entry["coordinates"]][0])

    # The page's library is the drop-down's, entry for entry and in its order, as "Start from"
    # writes it with mm chosen.
    def test_library_is_the_add_ins_list_of_curves_to_start_from(self):
        run = subprocess.run([SORVANE, "--list-presets", "--units", self.library.UNITS, "--json",
                              "-"], capture_output=True, text=True)
        self.assertEqual(run.returncode, 0, run.stderr)
        presets = json.loads(run.stdout)["presets"]
        self.assertEqual([entry["id"] for entry in self.entries],
                         [preset["id"] for preset in presets])
        for entry, preset in zip(self.entries, presets):
            with self.subTest(entry["id"]):
                self.assertEqual(entry["title"], preset["label"])
                self.assertEqual(self.library.definitions_text(entry), preset["definitions"])
                for role, key in (("x", "x"), ("y", "y"), ("z", "z"), ("t-start", "tStart"),
                                  ("t-end", "tEnd")):
                    self.assertEqual(entry[role], preset[key], role)
                self.assertEqual(self.library.COORDINATES[entry["coordinates"]][0],
                                 preset["coordinates"])

    def test_library_names_the_dialogs_choices_and_labels(self):
        texts = dialog_texts()
        items = {texts[f"k{name}Item"]: [texts[f"k{label}FunctionLabel"] for label in labels]
                 for name, labels in (("Cartesian", ("X", "Y", "Z")),
                                      ("Cylindrical", ("Rho", "Theta", "Z")),
                                      ("Spherical", ("Radius", "Theta", "Phi")))}
        self.assertEqual({item: list(labels) for item, (_, labels)
                          in self.library.COORDINATES.items()}, items)
        self.assertEqual(self.library.HEADERS, {"coordinates": texts["kCoordinatesLabel"],
                                                "definition": texts["kDefinitionsLabel"]})
        # The library shows each coordinate system at least once.
        self.assertEqual({entry["coordinates"] for entry in self.entries}, set(items))

    def test_formulas_are_shown_as_typed(self):
        # What the reader copies must be what was run: no entity or tag inside a formula.
        for entry in self.entries:
            for role in ("x", "y", "z", "t-start", "t-end"):
                self.assertEqual(entry[role], entry[role].strip(), (entry["id"], role))
                self.assertNotIn("\n", entry[role])
                # The value inputs take numbers and pi, not the definitions.
                if role.startswith("t-"):
                    self.assertRegex(entry[role], r"^\d+(\.\d+)?( \* pi)?$", entry["id"])
            for definition in entry["definitions"]:
                self.assertEqual(definition, definition.strip(), entry["id"])
                self.assertNotIn("\n", definition)
                self.assertRegex(definition, r"^[A-Za-z_][A-Za-z0-9_]* = \S", entry["id"])


if __name__ == "__main__":
    SORVANE, SOURCE = sys.argv[1:3]
    del sys.argv[1:3]
    unittest.main()
