#!/usr/bin/env python3
"""Fails when an add-in source includes across its layers.

The add-in reads bottom up: numerics <- curve <- curvehost, graphics <- dialog <- addin, with the
host helpers (fusionkit) beside them and the host API at the bottom. Each folder may include
only the folders listed for it; host API headers (<Core/...>, <Fusion/...>) only where the host
is allowed. Run by the test suite; prints every offending include.
"""
import pathlib
import re
import sys

ALLOWED = {
    "numerics": {"numerics"},
    "curve": {"numerics", "curve"},
    "fusionkit": {"fusionkit"},
    "curvehost": {"numerics", "curve", "fusionkit", "curvehost"},
    "graphics": {"fusionkit", "graphics"},
    "dialog": {"numerics", "curve", "fusionkit", "curvehost", "graphics", "dialog"},
    "addin": {"numerics", "curve", "fusionkit", "curvehost", "graphics", "dialog", "addin"},
}
HOST_FREE = {"numerics", "curve"}
QUOTED = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
HOST_API = re.compile(r'^\s*#\s*include\s+<((?:Core|Fusion)/[^>]+)>', re.MULTILINE)


def offences(root):
    for layer, allowed in ALLOWED.items():
        for path in sorted((root / layer).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            text = path.read_text(encoding="utf-8")
            for included in QUOTED.findall(text):
                folder = included.split("/")[0]
                if "/" not in included or folder not in allowed:
                    yield f"{path.relative_to(root)}: includes \"{included}\""
            if layer in HOST_FREE:
                for included in HOST_API.findall(text):
                    yield f"{path.relative_to(root)}: includes host API <{included}>"


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    found = list(offences(root))
    for line in found:
        print(line)
    if found:
        print(f"check-layers: {len(found)} include(s) across the layers")
        return 1
    print("check-layers: every include stays within its layer or below")
    return 0


if __name__ == "__main__":
    sys.exit(main())
