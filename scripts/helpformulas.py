"""The formula library of docs/help.html, read back as data.

Each library entry is a <section class="curve" id="..."> whose <code data-role="..."> elements
hold what the reader copies: the roles x, y, z (the first, second and third formula of the
entry's coordinates), t-start, t-end (one each), param ("name = value", the value a number with or
without a unit after it, any number of them) and, where the entry is not tried with the dialog's
centimetres, default tolerance and Cartesian coordinates, units (a unit as the "Units" drop-down
lists it), tolerance (a number in that unit) and coordinates (an item of the "Coordinates"
drop-down), one each. Each role sits in a table row whose header is the dialog's label for it
("x(t) =", "ρ(t) =", "Units", ...). The page's text is the only copy of the formulas, so what the
tests run and scripts/draw-library.sh draws is exactly what the designer reads.
"""
import html.parser

ROLES = ("x", "y", "z", "t-start", "t-end")
CHOICES = ("units", "tolerance", "coordinates")
# The "Coordinates" drop-down's items, the name sorvane's --coordinates takes for each, and the
# labels of its three formula inputs.
COORDINATES = {
    "Cartesian (x, y, z)": ("cartesian", ("x(t) =", "y(t) =", "z(t) =")),
    "Cylindrical (\u03c1, \u03b8, z)": ("cylindrical", ("\u03c1(t) =", "\u03b8(t) =", "z(t) =")),
    "Spherical (r, \u03b8, \u03c6)": ("spherical", ("r(t) =", "\u03b8(t) =", "\u03c6(t) =")),
}
CARTESIAN = "Cartesian (x, y, z)"
# What an entry that names no choice was tried with.
DEFAULT_UNITS = "cm"
HEADERS = {"units": "Units", "tolerance": "Tolerance", "coordinates": "Coordinates"}


class LibraryError(ValueError):
    pass


class _LibraryParser(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.entries = []
        self._depth = 0  # open sections inside the current curve entry, the entry's own included
        self._role = None
        self._text = []
        self._header = ""  # the header of the table row being read

    def handle_starttag(self, tag, attrs):
        attributes = dict(attrs)
        if tag == "section":
            if self._depth:
                self._depth += 1
            elif "curve" in (attributes.get("class") or "").split():
                self.entries.append({"id": attributes.get("id"), "title": "", "roles": {},
                                     "headers": {}, "params": []})
                self._depth = 1
        elif not self._depth:
            return
        elif tag == "code" and "data-role" in attributes:
            self._role = attributes["data-role"]
            self._text = []
        elif tag in ("h3", "th"):
            self._role = tag
            self._text = []
        elif tag == "tr":
            self._header = ""

    def handle_endtag(self, tag):
        if tag == "section" and self._depth:
            self._depth -= 1
        elif tag in ("code", "h3", "th") and self._role:
            self._store(self._role, "".join(self._text))
            self._role = None

    def handle_data(self, data):
        if self._role:
            self._text.append(data)

    def _store(self, role, text):
        entry = self.entries[-1]
        if role == "h3":
            entry["title"] = text.strip()
        elif role == "th":
            self._header = text.strip()
        elif role == "param":
            name, equals, value = text.partition("=")
            if not equals:
                raise LibraryError(f"{entry['id']}: parameter {text!r} is not 'name = value'")
            entry["params"].append((name.strip(), value.strip()))
        elif role in ROLES or role in CHOICES:
            if role in entry["roles"]:
                raise LibraryError(f"{entry['id']}: {role} given twice")
            entry["roles"][role] = text
            entry["headers"][role] = self._header
        else:
            raise LibraryError(f"{entry['id']}: unknown role {role!r}")


def _check_headers(raw, coordinates):
    expected = dict(zip(("x", "y", "z"), COORDINATES[coordinates][1]), **HEADERS)
    for role, header in raw["headers"].items():
        if role in expected and header != expected[role]:
            raise LibraryError(f"{raw['id']}: {role} is in the row {header!r}, not "
                               f"{expected[role]!r}")


def read_library(path):
    """The library's entries in page order: dicts with id, title, x, y, z, t-start, t-end (texts
    as shown), params (list of (name, value) texts), units (DEFAULT_UNITS when not given),
    tolerance (None when not given: the dialog's default) and coordinates (an item of
    COORDINATES, CARTESIAN when not given). Raises LibraryError for an entry that lacks an id or
    one of the five roles, names units other than DEFAULT_UNITS without a tolerance, names
    coordinates the dialog does not list, or shows a role in a row whose header is not the
    dialog's label for it."""
    parser = _LibraryParser()
    with open(path, encoding="utf-8") as page:
        parser.feed(page.read())
    parser.close()
    entries = []
    for raw in parser.entries:
        if not raw["id"]:
            raise LibraryError(f"a curve entry has no id: {raw['title']!r}")
        missing = [role for role in ROLES if role not in raw["roles"]]
        if missing:
            raise LibraryError(f"{raw['id']}: missing {', '.join(missing)}")
        roles = {"units": DEFAULT_UNITS, "tolerance": None, "coordinates": CARTESIAN,
                 **raw["roles"]}
        # The dialog keeps the tolerance's number when the unit changes, so without one the
        # entry's tolerance would depend on the reader's design.
        if roles["units"] != DEFAULT_UNITS and roles["tolerance"] is None:
            raise LibraryError(f"{raw['id']}: units {roles['units']} without a tolerance")
        if roles["coordinates"] not in COORDINATES:
            raise LibraryError(f"{raw['id']}: {roles['coordinates']!r} is not a coordinates "
                               "item of the dialog")
        _check_headers(raw, roles["coordinates"])
        entries.append({"id": raw["id"], "title": raw["title"], "params": raw["params"],
                        **roles})
    return entries


def sorvane_arguments(entry):
    """sorvane's options that type this entry into the dialog, its parameters and the choices it
    names included."""
    arguments = ["--x", entry["x"], "--y", entry["y"], "--z", entry["z"],
                 "--t-start", entry["t-start"], "--t-end", entry["t-end"]]
    # An entry that names no choice leaves the dialog's, as a new centimetre design opens it.
    if entry["coordinates"] != CARTESIAN:
        arguments += ["--coordinates", COORDINATES[entry["coordinates"]][0]]
    if entry["units"] != DEFAULT_UNITS:
        arguments += ["--units", entry["units"]]
    if entry["tolerance"] is not None:
        arguments += ["--tolerance", entry["tolerance"]]
    for name, value in entry["params"]:
        arguments += ["--param", f"{name}={value}"]
    return arguments
