"""The formula library of docs/help.html, read back as data.

Each library entry is a <section class="curve" id="..."> whose <code data-role="..."> elements
hold what the reader copies: the roles x, y, z, t-start, t-end (one each) and param ("name =
value", any number). The page's text is the only copy of the formulas, so what the tests run
and scripts/draw-library.sh draws is exactly what the designer reads.
"""
import html.parser

ROLES = ("x", "y", "z", "t-start", "t-end")


class LibraryError(ValueError):
    pass


class _LibraryParser(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.entries = []
        self._depth = 0  # open sections inside the current curve entry, the entry's own included
        self._role = None
        self._text = []

    def handle_starttag(self, tag, attrs):
        attributes = dict(attrs)
        if tag == "section":
            if self._depth:
                self._depth += 1
            elif "curve" in (attributes.get("class") or "").split():
                self.entries.append({"id": attributes.get("id"), "title": "", "roles": {},
                                     "params": []})
                self._depth = 1
        elif tag == "code" and self._depth and "data-role" in attributes:
            self._role = attributes["data-role"]
            self._text = []
        elif tag == "h3" and self._depth:
            self._role = "title"
            self._text = []

    def handle_endtag(self, tag):
        if tag == "section" and self._depth:
            self._depth -= 1
        elif tag in ("code", "h3") and self._role:
            self._store(self._role, "".join(self._text))
            self._role = None

    def handle_data(self, data):
        if self._role:
            self._text.append(data)

    def _store(self, role, text):
        entry = self.entries[-1]
        if role == "title":
            entry["title"] = text.strip()
        elif role == "param":
            name, equals, value = text.partition("=")
            if not equals:
                raise LibraryError(f"{entry['id']}: parameter {text!r} is not 'name = value'")
            entry["params"].append((name.strip(), value.strip()))
        elif role in ROLES:
            if role in entry["roles"]:
                raise LibraryError(f"{entry['id']}: {role} given twice")
            entry["roles"][role] = text
        else:
            raise LibraryError(f"{entry['id']}: unknown role {role!r}")


def read_library(path):
    """The library's entries in page order: dicts with id, title, x, y, z, t-start, t-end
    (texts as shown) and params (list of (name, value) texts). Raises LibraryError for an entry
    that lacks an id or one of the five roles."""
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
        entries.append({"id": raw["id"], "title": raw["title"], "params": raw["params"],
                        **raw["roles"]})
    return entries


def sorvane_arguments(entry):
    """sorvane's options that type this entry into the dialog, its parameters included."""
    arguments = ["--x", entry["x"], "--y", entry["y"], "--z", entry["z"],
                 "--t-start", entry["t-start"], "--t-end", entry["t-end"]]
    for name, value in entry["params"]:
        arguments += ["--param", f"{name}={value}"]
    return arguments
