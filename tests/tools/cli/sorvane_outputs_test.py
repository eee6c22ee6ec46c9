"""sorvane's output files read back by real readers.

Runs the built sorvane (path given as the first argument) and checks its JSON with the json module,
its SVG with xml.etree and rsvg-convert (librsvg), and its DXF with ezdxf (Debian's python3-ezdxf,
hence /usr/bin/python3). Numbers must come back bit for bit: the JSON and the DXF are compared
with == on floats.
"""
import json
import math
import os
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

import ezdxf
from ezdxf import recover

SORVANE = None
SEGMENT = ["--x", "t", "--y", "0", "--z", "0", "--t-end", "1"]
CIRCLE = ["--x", "cos(2 * pi * t)", "--y", "sin(2 * pi * t)", "--z", "0", "--t-end", "1"]
SVG_NS = "{http://www.w3.org/2000/svg}"


class SorvaneOutputs(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="sorvane_test_")

    def tearDown(self):
        shutil.rmtree(self.folder)

    def path(self, name):
        return os.path.join(self.folder, name)

    def sorvane(self, *arguments, expect=0):
        run = subprocess.run([SORVANE, "--quiet", *arguments], capture_output=True, text=True,
                             cwd=self.folder)
        self.assertEqual(run.returncode, expect, run.stderr)
        return run

    def session(self, *arguments, expect=0):
        self.sorvane("--json", self.path("s.json"), *arguments, expect=expect)
        with open(self.path("s.json"), encoding="utf-8") as file:
            return json.load(file)

    def assert_clamped_cubic(self, spline, controls):
        self.assertEqual(spline["degree"], 3)
        self.assertEqual(len(spline["controlPoints"]), controls)
        knots = spline["knots"]
        self.assertEqual(len(knots), controls + 4)
        self.assertEqual(knots[:4], [knots[0]] * 4)
        self.assertEqual(knots[-4:], [knots[-1]] * 4)
        self.assertEqual(knots, sorted(knots))

    def test_default_helix(self):
        data = self.session()
        self.assertEqual(list(data), ["unit", "inputs", "parameters", "status", "preview",
                                      "sketches", "messages"])
        self.assertEqual(data["unit"], "cm")
        self.assertEqual(data["inputs"], {"definitions": "",
                                          "x": "cos(2 * pi * t)", "y": "sin(2 * pi * t)",
                                          "z": "t", "tStart": 0, "tEnd": 3, "units": "cm",
                                          "tolerance": 0.002, "fewestControls": False,
                                          "coordinates": "cartesian"})
        self.assertEqual(data["parameters"], {"pi": math.pi})
        self.assertEqual(data["status"], "32 spline controls")
        self.assertEqual(data["messages"], [])
        [group] = data["preview"]
        self.assertEqual(group["groupId"], "vtlCustomGraphicsID")
        [preview] = group["curves"]
        self.assertEqual((preview["weight"], preview["color"], preview["selectable"]),
                         (3, [255, 0, 0, 255], False))
        [sketch] = data["sketches"]
        self.assertEqual((sketch["name"], sketch["plane"], sketch["new"]), ("Sketch1", "XY", True))
        self.assertEqual(sketch["transform"], [1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1])
        [spline] = sketch["splines"]
        self.assertEqual((spline["rational"], spline["periodic"]), (False, False))
        self.assert_clamped_cubic(spline, 32)
        # The preview and the created curve come from the same computation, bit for bit, and the
        # new sketch's space is model space.
        self.assertEqual(preview["controlPoints"], spline["controlPoints"])
        self.assertEqual(spline["worldControlPoints"], spline["controlPoints"])
        self.assertEqual(preview["knots"], spline["knots"])
        # A clamped fit starts and ends on the first and last samples: (1, 0, 0) and (1, 0, 3).
        for got, want in zip(spline["controlPoints"][0] + spline["controlPoints"][-1],
                             [1, 0, 0, 1, 0, 3]):
            self.assertAlmostEqual(got, want, places=9)

    def test_straight_segment_and_circle(self):
        segment = self.session(*SEGMENT)["sketches"][0]["splines"][0]
        self.assertEqual(segment["knots"], [0, 0, 0, 0, 1, 1, 1, 1])
        self.assert_clamped_cubic(segment, 4)
        for point, x in zip(segment["controlPoints"], [0, 1 / 3, 2 / 3, 1]):
            self.assertAlmostEqual(point[0], x, places=9)
            self.assertAlmostEqual(point[1], 0, places=12)
        circle = self.session(*CIRCLE)
        self.assertEqual(circle["status"], "11 spline controls, closed")
        spline = circle["sketches"][0]["splines"][0]
        self.assert_clamped_cubic(spline, 11)
        self.assertEqual(spline["controlPoints"][0], spline["controlPoints"][-1])

    def test_parameters_by_name_and_pi_replaced(self):
        data = self.session("--param", "r=2", "--param", "lead=0.5",
                            "--x", "r * cos(2 * pi * t)", "--y", "r * sin(2 * pi * t)",
                            "--z", "lead * t")
        self.assertEqual(data["parameters"], {"lead": 0.5, "pi": math.pi, "r": 2})
        points = data["sketches"][0]["splines"][0]["controlPoints"]
        # The clamped fit starts and ends on the first and last samples: (r, 0, 0), (r, 0, 3 lead).
        for got, want in zip(points[0] + points[-1], [2, 0, 0, 2, 0, 1.5]):
            self.assertAlmostEqual(got, want, places=9)
        replaced = self.session("--param", "pi=3", *SEGMENT)
        self.assertEqual(replaced["parameters"], {"pi": 3})

    def test_bad_expression_creates_nothing_and_is_drawn_as_text(self):
        run = self.sorvane("--x", "cos(2 * pi * t", "--json", self.path("s.json"),
                           "--svg", self.path("s.svg"), "--dxf", self.path("s.dxf"), expect=1)
        with open(self.path("s.json"), encoding="utf-8") as file:
            data = json.load(file)
        self.assertTrue(data["status"].startswith("x(t): "), data["status"])
        self.assertIn(data["status"], run.stderr)
        self.assertEqual(data["sketches"], [])
        self.assertEqual(data["preview"], [])
        self.assertFalse(os.path.exists(self.path("s.dxf")))
        root = ElementTree.parse(self.path("s.svg")).getroot()
        self.assertEqual(root.findall(f".//{SVG_NS}polyline"), [])
        texts = " ".join(t.text or "" for t in root.iter(f"{SVG_NS}text"))
        self.assertIn(data["status"], texts)

    def test_edit_sketch_and_cancel(self):
        edited = self.session("--edit-sketch", *SEGMENT)
        self.assertEqual([(s["name"], s["new"], len(s["splines"])) for s in edited["sketches"]],
                         [("Sketch1", False, 1)])
        cancelled = self.session("--cancel")
        self.assertEqual(cancelled["sketches"], [])
        # The preview as it stood before Cancel; sorvane itself fails if it outlives the dialog.
        self.assertEqual(len(cancelled["preview"]), 1)

    def test_preview_lies_on_the_spline_in_a_sketch_on_any_plane(self):
        plain = self.session()["sketches"][0]["splines"][0]
        for plane in ("xy", "xz", "yz", "tilted"):
            with self.subTest(plane=plane):
                data = self.session("--edit-sketch", plane, "--svg", self.path("s.svg"))
                [sketch] = data["sketches"]
                self.assertEqual((sketch["plane"].lower(), sketch["new"]), (plane, False))
                [spline] = sketch["splines"]
                # The formulas give the same sketch coordinates on every plane.
                self.assertEqual(spline["controlPoints"], plain["controlPoints"])
                self.assertEqual(spline["knots"], plain["knots"])
                [preview] = data["preview"][0]["curves"]
                world = spline["worldControlPoints"]
                size = max(abs(c) for point in world for c in point)
                for drawn, lies in zip(preview["controlPoints"], world, strict=True):
                    for a, b in zip(drawn, lies):
                        self.assertLessEqual(abs(a - b), 1e-9 * size)
                # The helix rises 3 along z in the sketch: along the plane's normal in the model,
                # the transform's third column.
                normal = sketch["transform"][2::4][:3]
                for a, b, n in zip(world[-1], world[0], normal):
                    self.assertAlmostEqual(a - b, 3 * n, places=12)
                texts = " ".join(t.text or "" for t in
                                 ElementTree.parse(self.path("s.svg")).getroot().iter(f"{SVG_NS}text"))
                self.assertEqual(f"on the {sketch['plane']} plane" in texts, plane != "xy")

    def design(self):
        with open(self.path("d.json"), encoding="utf-8") as file:
            return json.load(file)

    def test_design_file_holds_the_design_bit_for_bit(self):
        session = self.session("--design", self.path("d.json"), "--param", "r=2.5",
                               "--param", "lead=0.1", "--edit-sketch", "tilted",
                               "--x", "r * cos(t)", "--y", "r * sin(t)", "--z", "lead * t")
        design = self.design()
        self.assertEqual(list(design), ["sorvaneDesign", "unit", "documentUnits", "parameters",
                                        "sketches", "attributes"])
        # The design keeps the inputs a new curve starts from.
        self.assertEqual([(a["group"], a["name"]) for a in design["attributes"]],
                         [("Vintrel", "lastInputs")])
        self.assertEqual(design["documentUnits"], "cm")
        self.assertEqual(design["unit"], "cm")
        self.assertEqual(design["sorvaneDesign"], 1)
        self.assertEqual(design["parameters"], [{"name": "r", "kind": "user", "value": 2.5},
                                                {"name": "lead", "kind": "user", "value": 0.1}])
        [sketch] = design["sketches"]
        self.assertEqual((sketch["name"], sketch["plane"]), ("Sketch1", "Tilted"))
        [spline] = sketch["splines"]
        [created] = session["sketches"][0]["splines"]
        for key in ("degree", "rational", "periodic", "controlPoints", "knots"):
            self.assertEqual(spline[key], created[key], key)
        self.assertTrue(spline["linked"])
        self.assertEqual(spline["attributes"], created["attributes"])
        # A later run builds the same design from the file: the sketch on its plane, the spline
        # where it was; --param changes one parameter's value, which is saved.
        later = self.session("--design", self.path("d.json"), "--param", "r=3", "--cancel")
        self.assertEqual(later["parameters"], {"lead": 0.1, "pi": math.pi, "r": 3})
        [kept] = later["sketches"]
        self.assertEqual((kept["plane"], kept["new"]), ("Tilted", False))
        self.assertEqual(kept["transform"], session["sketches"][0]["transform"])
        self.assertEqual(kept["splines"][0]["worldControlPoints"], created["worldControlPoints"])
        self.assertEqual(self.design()["parameters"][0], {"name": "r", "kind": "user", "value": 3})
        self.assertEqual(self.design()["sketches"], design["sketches"])

    SPRING = ["--param", "r=5", "--param", "pitch=2", "--x", "r * cos(2 * pi * t)",
              "--y", "r * sin(2 * pi * t)", "--z", "pitch * t", "--t-end", "5"]

    def save_design(self, design):
        with open(self.path("d.json"), "w", encoding="utf-8") as file:
            json.dump(design, file)

    def definition(self, spline):
        [attribute] = spline["attributes"]
        self.assertEqual(attribute["group"], "Vintrel")
        return json.loads(attribute["value"])

    def test_create_then_edit_replaces_the_spline_and_its_definition(self):
        created = self.session("--design", self.path("d.json"), *self.SPRING)
        [before] = created["sketches"][0]["splines"]
        self.assertEqual(self.definition(before)["z"], "pitch * t")
        edited = self.session("--design", self.path("d.json"), "--select", "Sketch1:1",
                              "--z", "4 * t", "--dxf", self.path("e.dxf"))
        # The dialog started from the stored inputs: only z was typed.
        self.assertEqual(edited["inputs"], {"definitions": "",
                                            "x": "r * cos(2 * pi * t)", "y": "r * sin(2 * pi * t)",
                                            "z": "4 * t", "tStart": 0, "tEnd": 5, "units": "cm",
                                            "tolerance": 0.002, "fewestControls": False,
                                            "coordinates": "cartesian"})
        [sketch] = edited["sketches"]
        self.assertFalse(sketch["new"])
        [after] = sketch["splines"]
        self.assertEqual(len(after["controlPoints"]), len(before["controlPoints"]))
        self.assertNotEqual(after["controlPoints"], before["controlPoints"])
        # Both springs start at (r, 0, 0); five turns end 5 pitch high: 10 before, 20 after.
        for spline, top in ((before, 10), (after, 20)):
            for got, want in zip(spline["controlPoints"][0] + spline["controlPoints"][-1],
                                 [5, 0, 0, 5, 0, top]):
                self.assertAlmostEqual(got, want, places=9)
        definition = self.definition(after)
        self.assertEqual((definition["x"], definition["z"]), ("r * cos(2 * pi * t)", "4 * t"))
        [spline] = self.design()["sketches"][0]["splines"]
        self.assertEqual(spline["controlPoints"], after["controlPoints"])
        self.assertEqual(spline["attributes"], after["attributes"])
        [entity] = ezdxf.readfile(self.path("e.dxf")).modelspace()
        self.assertEqual([list(p) for p in entity.control_points], after["controlPoints"])

    def test_selected_curve_that_is_not_editable_is_left_alone(self):
        self.sorvane("--design", self.path("d.json"), *self.SPRING)
        design = self.design()
        unlinked = json.loads(json.dumps(design))
        unlinked["sketches"][0]["splines"][0]["linked"] = False
        damaged = json.loads(json.dumps(design))
        damaged["sketches"][0]["splines"][0]["attributes"][0]["value"] = "{"
        for changed, note in ((unlinked, None), (damaged, "formula cannot be read")):
            with self.subTest(note=note):
                self.save_design(changed)
                data = self.session("--design", self.path("d.json"), "--select", "Sketch1:1",
                                    "--param", "pitch=2", *self.SPRING[4:])
                status = data["status"].split("\n")
                self.assertEqual(status[0], "64 spline controls")
                if note:
                    self.assertIn(note, status[1])
                else:
                    self.assertEqual(len(status), 1)
                # OK drew a new curve in a new sketch; the selected one is as it was.
                self.assertEqual([s["new"] for s in data["sketches"]], [False, True])
                self.assertEqual(self.design()["sketches"][0], changed["sketches"][0])

    def assert_same_spline(self, data, reference, scale=1):
        [got], [want] = (d["sketches"][0]["splines"] for d in (data, reference))
        self.assertEqual(len(got["controlPoints"]), len(want["controlPoints"]))
        for p, q in zip(got["controlPoints"], want["controlPoints"]):
            for a, b in zip(p, q):
                self.assertAlmostEqual(a, b * scale, delta=1e-12 * max(1, abs(b)))

    CIRCLE_2 = ("--x", "2 * cos(t)", "--y", "2 * sin(t)", "--z", "0", "--t-end", repr(2 * math.pi))

    def test_lengths_read_in_the_dialogs_unit_and_land_in_centimetres(self):
        reference = self.session(*self.CIRCLE_2)
        self.assertEqual(reference["status"], "11 spline controls, closed")
        for x, y, z in reference["sketches"][0]["splines"][0]["controlPoints"]:
            self.assertTrue(2 <= math.hypot(x, y) < 2.25 and z == 0, (x, y, z))  # just outside
        on_r = ("--param", "r=20mm", "--x", "r * cos(t)", "--y", "r * sin(t)")
        for arguments in [("--document-units", "mm", "--x", "20 * cos(t)", "--y", "20 * sin(t)"),
                          ("--document-units", "mm", *on_r), on_r]:
            with self.subTest(arguments):
                data = self.session(*self.CIRCLE_2[4:], *arguments)
                self.assertEqual(data["status"], reference["status"])
                self.assert_same_spline(data, reference)

    def test_a_mil_design_draws_its_circle_in_centimetres(self):
        # 500 mil = 0.5 in = 1.27 cm: the same circle as one of 1.27 cm in a centimetre design.
        circle = ("--x", "r * cos(2 * pi * t)", "--y", "r * sin(2 * pi * t)", "--z", "0",
                  "--t-end", "1")
        data = self.session("--document-units", "mil", "--param", "r=500mil", *circle)
        self.assertEqual((data["inputs"]["units"], data["inputs"]["tolerance"]), ("mil", 0.79))
        self.assertEqual(data["parameters"]["r"], 500)  # through 1.27 cm and back, exactly
        self.assertEqual(data["status"], "11 spline controls, closed")
        self.assert_same_spline(data, self.session("--param", "r=1.27cm", *circle))

    def test_units_scale_the_curve_and_the_tolerance_rules_its_controls(self):
        self.assert_same_spline(self.session("--units", "mm"), self.session(), 0.1)
        self.assertEqual(self.session("--document-units", "mm")["inputs"]["tolerance"], 0.02)
        for tolerance, fewer in (("0.02", True), ("0.0002", False)):
            data = self.session("--units", "cm", "--tolerance", tolerance)
            controls = len(data["sketches"][0]["splines"][0]["controlPoints"])
            self.assertEqual((controls < 32, controls > 32), (fewer, not fewer), controls)

    def test_cylindrical_and_spherical_formulas_draw_cartesian_curves(self):
        cylindrical = self.session("--coordinates", "cylindrical", "--x", "2",
                                   "--y", "2 * pi * t", "--z", "0.5 * t")
        self.assertEqual([cylindrical["inputs"][k] for k in ("x", "y", "z", "coordinates")],
                         ["2", "2 * pi * t", "0.5 * t", "cylindrical"])
        self.assert_same_spline(cylindrical, self.session(
            "--x", "2 * cos(2 * pi * t)", "--y", "2 * sin(2 * pi * t)", "--z", "0.5 * t"))
        spherical = self.session("--coordinates", "spherical", "--x", "2", "--y", "t",
                                 "--z", "pi / 2", "--t-end", repr(2 * math.pi))
        self.assertEqual(spherical["status"], "11 spline controls, closed")
        self.assert_same_spline(spherical, self.session(*self.CIRCLE_2))

    def test_edit_and_follow_keep_the_curves_unit_tolerance_and_coordinates(self):
        design = ("--design", self.path("d.json"))
        created = self.session(*design, "--document-units", "mm", "--param", "r=20mm",
                               "--coordinates", "cylindrical", "--x", "r", "--y", "2 * pi * t",
                               "--z", "5 * t", "--tolerance", "0.05")
        self.assertEqual((self.design()["documentUnits"], self.design()["parameters"]),
                         ("mm", [{"name": "r", "kind": "user", "value": 2, "unit": "mm"}]))
        kept = {"units": "mm", "tolerance": 0.05, "coordinates": "cylindrical"}
        # Reopened with nothing typed: the stored choices, and OK gives the same spline.
        reopened = self.session(*design, "--select", "Sketch1:1")
        self.assertEqual(reopened["inputs"], {"definitions": "", "x": "r", "y": "2 * pi * t",
                                              "z": "5 * t",
                                              "tStart": 0, "tEnd": 3, "fewestControls": False,
                                              **kept})
        self.assertEqual(reopened["sketches"][0]["splines"], created["sketches"][0]["splines"])
        # r = 3, in its own unit: refitted in mm, cylindrically, to a radius of 0.3 cm.
        self.assertEqual(self.sorvane(*design, "--set-param", "r=3").stderr, "")
        [followed] = self.design()["sketches"][0]["splines"]
        definition = self.definition(followed)
        self.assertEqual(({k: definition[k] for k in kept}, definition["parameters"]),
                         (kept, {"r": 3}))
        self.assertAlmostEqual(followed["controlPoints"][0][0], 0.3, places=12)

    def presets(self, *arguments):
        run = self.sorvane("--list-presets", "--json", "-", *arguments)
        return json.loads(run.stdout)

    @staticmethod
    def t_value(text):
        # The presets' t texts are numbers and multiples of pi, as the dialog's value inputs read.
        return eval(text, {"__builtins__": {}}, {"pi": math.pi})

    def test_list_presets_gives_each_presets_inputs_in_the_unit_asked_for(self):
        listed = self.presets()
        self.assertEqual(listed["unit"], "cm")  # a new design's, as the dialog would open
        text = subprocess.run([SORVANE, "--list-presets"], capture_output=True, text=True).stdout
        self.assertEqual([line.split(None, 1) for line in text.splitlines()],
                         [[p["id"], p["label"]] for p in listed["presets"]])
        helix = {unit: next(p for p in self.presets(*option)["presets"] if p["id"] == "helix")
                 for unit, option in (("cm", ()), ("mm", ("--units", "mm")),
                                      ("in", ("--document-units", "in")))}
        self.assertEqual(helix["mm"]["definitions"], "R = 20\npitch = 5\nturns = 5\n"
                                                     "a = 2 * pi * turns * t")
        self.assertEqual(helix["cm"]["definitions"].split("\n")[:2], ["R = 2", "pitch = 0.5"])
        self.assertEqual(helix["in"]["definitions"].split("\n")[:2],
                         ["R = 0.787402", "pitch = 0.19685"])
        self.assertEqual([helix[u]["x"] for u in helix], ["R * cos(a)"] * 3)

    def test_every_preset_is_created_within_the_tolerance(self):
        for unit in ("mm", "cm"):
            for preset in self.presets("--units", unit)["presets"]:
                with self.subTest(preset=preset["id"], unit=unit):
                    data = self.session("--document-units", unit, "--preset", preset["id"])
                    self.assertRegex(data["status"], r"^[1-9]\d* spline controls(, closed)?$")
                    self.assertEqual(len(data["sketches"][0]["splines"]), 1)
                    inputs = data["inputs"]
                    for key in ("definitions", "x", "y", "z", "coordinates"):
                        self.assertEqual(inputs[key], preset[key], key)
                    self.assertEqual(inputs["tStart"], self.t_value(preset["tStart"]))
                    self.assertEqual(inputs["tEnd"], self.t_value(preset["tEnd"]))
                    # The unit and the tolerance stay as the dialog opened.
                    self.assertEqual(inputs["units"], unit)
                    self.assertEqual(inputs["tolerance"], {"mm": 0.02, "cm": 0.002}[unit])

    def test_preset_in_another_unit_keeps_its_size_and_options_change_single_inputs(self):
        mm = self.session("--document-units", "mm", "--preset", "torus")
        # --units comes before the preset, whose lengths it writes in cm: the same knot.
        cm = self.session("--document-units", "mm", "--units", "cm", "--preset", "torus",
                          "--tolerance", "0.002")
        self.assertEqual(cm["inputs"]["definitions"], "R = 2\nr = 0.6\np = 2\nq = 5")
        self.assertEqual(cm["status"], mm["status"])
        for a, b in zip(mm["sketches"][0]["splines"][0]["controlPoints"],
                        cm["sketches"][0]["splines"][0]["controlPoints"]):
            for u, v in zip(a, b):
                self.assertAlmostEqual(u, v, delta=1e-12)
        changed = self.session("--preset", "torus", "--define", "R = 2; r = 0.5; p = 3; q = 2",
                               "--z", "2 * r * sin(q * t)")
        self.assertEqual(changed["inputs"]["definitions"], "R = 2; r = 0.5; p = 3; q = 2")
        self.assertEqual(changed["inputs"]["x"], "(R + r * cos(q * t)) * cos(p * t)")
        self.assertEqual(changed["inputs"]["z"], "2 * r * sin(q * t)")
        heights = [p[2] for p in changed["sketches"][0]["splines"][0]["controlPoints"]]
        self.assertAlmostEqual(max(heights), 1, delta=0.05)
        # Back to the dialog's own curve.
        back = self.session("--preset", "default-helix")
        self.assertEqual(back["inputs"], self.session()["inputs"])

    def test_definitions_reach_the_formulas_and_their_mistakes_name_the_line(self):
        data = self.session("--define", "k = 2; m = 3 * k", "--x", "m * cos(2 * pi * t)",
                            "--y", "m * sin(2 * pi * t)", "--z", "0", "--t-end", "1")
        self.assertEqual(data["inputs"]["definitions"], "k = 2; m = 3 * k")
        radii = [math.hypot(x, y) for x, y, _ in data["sketches"][0]["splines"][0]["controlPoints"]]
        self.assertAlmostEqual(min(radii), 6, delta=0.01)
        run = self.sorvane("--define", "k = 2\nm = 3 * j", "--x", "m * t", expect=1)
        self.assertTrue(run.stderr.startswith("sorvane: Definitions, line 2: "), run.stderr)

    def test_json_on_standard_output(self):
        run = self.sorvane("--json", "-", *SEGMENT)
        self.assertEqual(json.loads(run.stdout)["status"], "4 spline controls")

    def test_svg_is_well_formed_and_renders_without_warnings(self):
        self.sorvane("--svg", self.path("helix.svg"))
        root = ElementTree.parse(self.path("helix.svg")).getroot()
        self.assertEqual(root.tag, f"{SVG_NS}svg")
        curves = [p for p in root.iter(f"{SVG_NS}polyline") if "255,0,0" in p.get("stroke", "")]
        self.assertEqual(len(curves), 4)  # one per view
        self.assertTrue(all(c.get("stroke-width") == "3" for c in curves))
        self.sorvane("--svg", self.path("error.svg"), "--z", "t +", expect=1)
        for name in ("helix", "error"):
            render = subprocess.run(["rsvg-convert", "-o", self.path(name + ".png"),
                                     self.path(name + ".svg")], capture_output=True, text=True)
            self.assertEqual((render.returncode, render.stderr), (0, ""))
            with open(self.path(name + ".png"), "rb") as file:
                self.assertEqual(file.read(8), b"\x89PNG\r\n\x1a\n")

    def test_dxf_reads_back_exactly(self):
        for arguments, controls in ((SEGMENT, 4), ((), 32)):
            data = self.session("--dxf", self.path("c.dxf"), *arguments)
            spline = data["sketches"][0]["splines"][0]
            doc = ezdxf.readfile(self.path("c.dxf"))
            self.assertEqual(doc.dxfversion, "AC1015")
            auditor = doc.audit()
            self.assertEqual((auditor.errors, auditor.fixes), ([], []))
            _, recovered = recover.readfile(self.path("c.dxf"))
            self.assertFalse(recovered.has_errors)
            [entity] = doc.modelspace()
            self.assertEqual(entity.dxftype(), "SPLINE")
            self.assertEqual(entity.dxf.degree, 3)
            self.assertEqual(list(entity.knots), spline["knots"])
            self.assertEqual([list(p) for p in entity.control_points], spline["controlPoints"])
            self.assertEqual(len(entity.control_points), controls)

    def test_dxf_says_centimetres_and_marks_planar_splines(self):
        # The segment lies in the plane z = 0 (among others); a circle with z = x in the plane
        # x = z, whose unit normal has its largest component (z, on a tie) positive; the helix in
        # none.
        half = math.sqrt(0.5)
        tilted = ("--x", "cos(2 * pi * t)", "--y", "sin(2 * pi * t)", "--z", "cos(2 * pi * t)",
                  "--t-end", "1")
        for arguments, normal in ((SEGMENT, (0, 0, 1)), (tilted, (-half, 0, half)), ((), None)):
            with self.subTest(arguments):
                self.session("--dxf", self.path("p.dxf"), *arguments)
                doc = ezdxf.readfile(self.path("p.dxf"))
                self.assertEqual(doc.header["$INSUNITS"], 5)
                [entity] = doc.modelspace()
                self.assertEqual(entity.dxf.flags & 8, 0 if normal is None else 8)
                # The tilted circle closes: its spline ends where it starts.
                self.assertEqual(entity.dxf.flags & 1, 1 if arguments is tilted else 0)
                if normal is not None:
                    for got, expected in zip(entity.dxf.extrusion, normal):
                        self.assertAlmostEqual(got, expected, places=12)

    def test_dxf_is_closed_exactly_when_the_status_says_closed(self):
        # A circle closes smoothly; a teardrop's and a cardioid's ends meet at a corner, the
        # teardrop's bit for bit, the cardioid's up to the sign of a zero: both stay open.
        for arguments, closed in [
                (CIRCLE, True),
                (["--x", "t * (1 - t)", "--y", "t * (1 - t) * (2 * t - 1)", "--z", "0",
                  "--t-end", "1"], False),
                (["--x", "(1 - cos(t)) * cos(t)", "--y", "(1 - cos(t)) * sin(t)", "--z", "0",
                  "--t-end", repr(2 * math.pi)], False)]:
            with self.subTest(arguments[1]):
                data = self.session("--dxf", self.path("c.dxf"), *arguments)
                self.assertEqual(data["status"].endswith(", closed"), closed)
                points = data["sketches"][0]["splines"][0]["controlPoints"]
                self.assertEqual(points[0], points[-1])
                [entity] = ezdxf.readfile(self.path("c.dxf")).modelspace()
                self.assertEqual(entity.dxf.flags & 1, 1 if closed else 0)

    def test_svg_names_the_unit_of_its_scale_bars(self):
        self.sorvane("--svg", self.path("s.svg"), *SEGMENT)
        texts = [t.text for t in
                 ElementTree.parse(self.path("s.svg")).getroot().iter(f"{SVG_NS}text")]
        self.assertIn("lengths in cm", texts)
        bars = [t for t in texts if t and t.endswith(" cm") and t[0].isdigit()]
        self.assertEqual(len(bars), 4)

    def test_dxf_holds_a_spline_of_thousands_of_controls(self):
        # 500 turns of a coil: the cap of 4096 controls, in one SPLINE that reads back whole.
        data = self.session("--x", "cos(2 * pi * t)", "--y", "sin(2 * pi * t)", "--z", "0.1 * t",
                            "--t-end", "500", "--dxf", self.path("coil.dxf"))
        self.assertEqual(data["status"], "4096 spline controls")
        [entity] = ezdxf.readfile(self.path("coil.dxf")).modelspace()
        self.assertEqual(len(entity.control_points), 4096)
        self.assertEqual(len(entity.knots), 4100)
        self.assertEqual(entity.dxf.flags & 1, 0)
        spline = data["sketches"][0]["splines"][0]
        for got, want in zip(entity.control_points[-1], spline["controlPoints"][-1]):
            self.assertEqual(got, want)

    def test_long_curves_in_one_spline_and_closed_ones_without_a_seam(self):
        # A 100 mm M10 thread and a 200-turn coil, each one spline within the tolerance.
        for arguments, status in [
                (["--param", "r=0.5", "--param", "pitch=0.15", "--x", "r * cos(2 * pi * t)",
                  "--y", "r * sin(2 * pi * t)", "--z", "pitch * t",
                  "--t-end", "66.66666666666667"], "512 spline controls"),
                (["--x", "cos(2 * pi * t)", "--y", "sin(2 * pi * t)", "--z", "0.1 * t",
                  "--t-end", "200"], "2048 spline controls")]:
            data = self.session(*arguments)
            self.assertEqual(data["status"], status)
            self.assertEqual(len(data["sketches"][0]["splines"]), 1)
        # A circle and the (3, 7) torus knot: the host's spline starts and ends on one control
        # point, and its first and second derivatives there agree.
        for arguments, controls in [
                (["--x", "cos(t)", "--y", "sin(t)", "--z", "0"], 11),
                (["--x", "(2 + cos(7 * t)) * cos(3 * t)", "--y", "(2 + cos(7 * t)) * sin(3 * t)",
                  "--z", "sin(7 * t)"], 67)]:
            data = self.session(*arguments, "--t-end", repr(2 * math.pi))
            self.assertEqual(data["status"], f"{controls} spline controls, closed")
            spline = data["sketches"][0]["splines"][0]
            self.assert_clamped_cubic(spline, controls)
            points = spline["controlPoints"]
            self.assertEqual(points[0], points[-1])
            knots = spline["knots"]
            for order in (1, 2):
                points, knots = derivative_controls(points, knots, 4 - order)
                start, end = points[0], points[-1]
                scale = max(1.0, *map(abs, start))
                for a, b in zip(start, end):
                    self.assertAlmostEqual(a, b, delta=1e-9 * scale)


def derivative_controls(points, knots, degree):
    """The control points and knots of the derivative of a spline of `degree`."""
    controls = [[degree * (b - a) / (knots[i + degree + 1] - knots[i + 1])
                 for a, b in zip(points[i], points[i + 1])] for i in range(len(points) - 1)]
    return controls, knots[1:-1]


if __name__ == "__main__":
    SORVANE = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
