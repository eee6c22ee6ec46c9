"""The formula library of docs/help.html, read back as data.

Each library entry is a <section class="curve" id="..."> whose heading is the label of the
dialog's "Start from" item for it and whose <code data-role="..."> elements hold what the reader
copies: the roles x, y, z (the first, second and third formula of the entry's coordinates), t-start,
t-end (one each), definition ("name = expression", one line of the "Definitions" input, any number
of them, in order) and, where the entry is not in Cartesian coordinates, coordinates (an item of
the "Coordinates" drop-down). Each role sits in a table row whose header is the dialog's label for
it ("x(t) =", "ρ(t) =", "Definitions", ...). The definitions' lengths are in millimetres, as the
"Start from" drop-down writes them with mm chosen, and the entries are tried so. The page's text is
what the tests run and scripts/draw-library.sh draws, and the tests hold it to the add-in's
library, so what the designer reads is what the drop-down gives.
"""
import html.parser

ROLES = ("x", "y", "z", "t-start", "t-end")
# The "Coordinates" drop-down's items, the name sorvane's --coordinates takes for each, and the
# labels of its three formula inputs.
COORDINATES = {
    "Cartesian (x, y, z)": ("cartesian", ("x(t) =", "y(t) =", "z(t) =")),
    "Cylindrical (\u03c1, \u03b8, z)": ("cylindrical", ("\u03c1(t) =", "\u03b8(t) =", "z(t) =")),
    "Spherical (r, \u03b8, \u03c6)": ("spherical", ("r(t) =", "\u03b8(t) =", "\u03c6(t) =")),
}
CARTESIAN = "Cartesian (x, y, z)"
# The unit the entries' lengths are written in, and tried in with the tolerance it starts with.
UNITS = "mm"
HEADERS = {"coordinates": "Coordinates", "definition": "Definitions"}


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
                                     "headers": {}, "definitions": []})
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
        elif role == "definition":
            if "=" not in text:
                raise LibraryError(f"{entry['id']}: definition {text!r} is not 'name = "
                                   "expression'")
            entry["definitions"].append(text)
            entry["headers"][role] = self._header
        elif role in ROLES or role == "coordinates":
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
    """The library's entries in page order: dicts with id, title, definitions (list of texts as
    shown), x, y, z, t-start, t-end (texts as shown) and coordinates (an item of COORDINATES,
    CARTESIAN when not given). Raises LibraryError for an entry that lacks an id or one of the five
    roles, shows a definition without "=", names coordinates the dialog does not list, or shows a
    role in a row whose header is not the dialog's label for it."""
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
        roles = {"coordinates": CARTESIAN, **raw["roles"]}
        if roles["coordinates"] not in COORDINATES:
            raise LibraryError(f"{raw['id']}: {roles['coordinates']!r} is not a coordinates "
                               "item of the dialog")
        _check_headers(raw, roles["coordinates"])
        entries.append({"id": raw["id"], "title": raw["title"],
                        "definitions": raw["definitions"], **roles})
    return entries


def definitions_text(entry):
    """The entry's definitions as the "Definitions" input holds them: one a line."""
    return "\n".join(entry["definitions"])


def sorvane_arguments(entry):
    """sorvane's options that type this entry into the dialog of a millimetre design (which opens
    in mm with its tolerance), its definitions and coordinates included."""
    arguments = ["--document-units", UNITS]
    if entry["definitions"]:
        arguments += ["--define", definitions_text(entry)]
    # Cartesian coordinates are the dialog's own.
    if entry["coordinates"] != CARTESIAN:
        arguments += ["--coordinates", COORDINATES[entry["coordinates"]][0]]
    return arguments + ["--x", entry["x"], "--y", entry["y"], "--z", entry["z"],
                        "--t-start", entry["t-start"], "--t-end", entry["t-end"]]
