#!/usr/bin/env python3
"""Fails when a C++ source includes what its folder may not.

The add-in reads bottom up: numerics <- curve <- curvehost, graphics <- dialog <- addin, with the
host helpers (fusionkit) beside them and the host API at the bottom. curve/'s own folders stand
in one order too: text <- formula <- sampling <- measure <- fit <- status <- computed <- follow,
with definition/, presets/ and placement/ beside them over formula/. The simulated host stands
apart in host/: the API stand-in (include/), the plain values its two halves share (values/), the
simulated host (sim/) and, above it, its driver (driver/). sorvane (tools/) has three rooms, each
using those below it: formats/ (files, and the plain report they are written from), session/
(the session played through the driver) and cli/ (the command line and main); the formats never
see the driver. The benchmarks (bench/) use the host-free layers, the dialog's fixed texts and
the driver; tests/ may include anything. OpenCASCADE is sorvane's STEP writer's alone: no other
source of tools/, and nothing of the add-in, the host or the benchmarks, includes its headers
(the tests read STEP files back).

A folder is a top folder or a folder of host/, curve/ or tools/; deeper folders count as theirs.
Each may include the project paths PROJECT lists for it and the libraries LIBRARIES lists for it
(std: the C++ standard library). Beyond the table:
- project headers are quoted, by their path from the root; host/include's headers name each other
  relative to themselves, as the SDK's do, and a test may name a file of its own folder so;
- a test or benchmark folder (tests/X, bench/X) reaches into no other's files but tests/support;
- a folder with C++ sources that the table does not know is an offence.
Run by the test suite; prints every offence.
"""
import os
import pathlib
import re
import sys

ADDIN = ["numerics/", "curve/", "fusionkit/", "curvehost/", "graphics/", "dialog/", "addin/"]
# curve/'s folders bottom up; each may include those before it. Beside the row, over the formulas:
# a curve's stored definition, the library of presets and the affine placement.
CURVE_ORDER = ["text", "formula", "sampling", "measure", "fit", "status", "computed", "follow"]
CURVE_BESIDE = {"definition": ["text", "formula"], "presets": ["text", "formula"],
                "placement": []}
CURVE = {f"curve/{folder}": ["numerics/"] + [f"curve/{lower}/" for lower in CURVE_ORDER[:i + 1]]
         for i, folder in enumerate(CURVE_ORDER)}
CURVE.update({f"curve/{folder}": ["numerics/"] + [f"curve/{lower}/" for lower in lower + [folder]]
              for folder, lower in CURVE_BESIDE.items()})
# The computed curve writes its definition; the follow rule reads definitions.
CURVE["curve/computed"].append("curve/definition/")
CURVE["curve/follow"].append("curve/definition/")
# What a command-line host needs from the add-in: the host-free layers and the IDs the dialog's
# inputs are found by; the driver's interface includes the values it speaks in.
HOST_FREE = ["numerics/", "curve/", "host/values/"]
HOST_USER = HOST_FREE + ["dialog/CommandTexts.h", "host/driver/"]
PROJECT = {
    "numerics": ["numerics/"],
    **CURVE,
    "fusionkit": ["fusionkit/"],
    "curvehost": ["numerics/", "curve/", "fusionkit/", "curvehost/"],
    "graphics": ["fusionkit/", "graphics/"],
    "dialog": ["numerics/", "curve/", "fusionkit/", "curvehost/", "graphics/", "dialog/"],
    "addin": ADDIN,
    "host/include": ["host/include/"],
    "host/values": ["host/values/"],
    "host/sim": ["host/values/", "host/sim/"],
    "host/driver": ["host/values/", "host/sim/", "host/driver/"],
    "tools/formats": HOST_FREE + ["tools/formats/"],
    "tools/session": HOST_USER + ["tools/formats/", "tools/session/"],
    "tools/cli": HOST_USER + ["tools/formats/", "tools/session/", "tools/cli/"],
    # The STEP writer's benchmark times it through its header, which names no OpenCASCADE type.
    "bench": HOST_USER + ["tests/support/", "bench/", "tools/formats/StepWriter.h",
                          "tools/formats/SessionReport.h"],
    "tests": [""],
}

# Angle-bracket headers by library. An add-in includes the SDK's two umbrella headers only; the
# simulated host and its tests also reach the single headers the host implements.
FAMILIES = {
    "std": r"[a-z_]+",
    "fusion": r"(Core/CoreAll|Fusion/FusionAll)\.h",
    "fusion parts": r"(Core|Fusion)/[\w/]+\.h",
    "muparser": r"muParser\w*\.h",
    "json": r"nlohmann/[\w/]+\.hpp",
    "CLI11": r"CLI/\w+\.hpp",
    "googletest": r"(gtest|gmock)/[\w/-]+\.h",
    "benchmark": r"benchmark/\w+\.h",
    "posix": r"(unistd|dlfcn|fcntl|sys/stat|sys/wait)\.h",
    "opencascade": r"\w+\.hxx",
}
# The sources compiled against OpenCASCADE (tools/formats/CMakeLists.txt): the rest of sorvane builds and
# runs without it.
OPENCASCADE_SOURCES = {"tools/formats/StepWriter.cpp"}
ADDIN_LIBRARIES = {"std", "fusion", "muparser", "json"}
LIBRARIES = {
    "numerics": {"std"},
    # muparser parses the formulas; nlohmann/json reads and writes a stored definition.
    **{folder: {"std"} for folder in CURVE},
    "curve/formula": {"std", "muparser"},
    "curve/definition": {"std", "json"},
    **{layer: ADDIN_LIBRARIES for layer in ("fusionkit", "curvehost", "graphics", "dialog", "addin")},
    "host/include": {"std"},
    "host/values": {"std"},
    # muparser evaluates the expressions typed into value inputs, as the host's own parser does.
    "host/sim": {"std", "fusion", "fusion parts", "muparser"},
    "host/driver": {"std", "fusion", "fusion parts", "posix"},
    "tools/formats": {"std", "json", "posix", "opencascade"},
    "tools/session": {"std", "posix"},
    "tools/cli": {"std", "CLI11", "posix"},
    "bench": {"std", "benchmark"},
    "tests": set(FAMILIES),
}

SOURCES = {".h", ".hpp", ".c", ".cc", ".cpp"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)


def folder_of(relative):
    parts = relative.parts
    nested = parts[0] in ("host", "curve", "tools") and len(parts) > 2
    return "/".join(parts[:2]) if nested else parts[0]


def sources(root):
    """Every C++ source of the tree, leaving out hidden folders and the build trees (build*/)."""
    for directory, folders, files in os.walk(root):
        top = pathlib.Path(directory) == root
        folders[:] = sorted(f for f in folders
                            if not f.startswith(".") and not (top and f.startswith("build")))
        for name in sorted(files):
            if pathlib.Path(name).suffix in SOURCES:
                yield pathlib.Path(directory, name).relative_to(root)


def resolve(root, path, included, nearby):
    """The included file's path from the root, or None when the project has no such file."""
    for base in ([root / path.parent] if nearby else []) + [root]:
        candidate = (base / included).resolve()
        if candidate.is_file() and candidate.is_relative_to(root):
            return candidate.relative_to(root)
    return None


def offences(root):
    top_folders = {p.name for p in root.iterdir() if p.is_dir()}
    unknown = set()
    for path in sources(root):
        folder = folder_of(path)
        if folder not in PROJECT:
            if folder not in unknown:
                unknown.add(folder)
                yield f"{folder}/: C++ sources in a folder the layer table does not know"
            continue
        own = "/".join(path.parts[:2]) + "/"
        for bracket, included in INCLUDE.findall((root / path).read_text(encoding="utf-8")):
            closing = ">" if bracket == "<" else '"'
            where = f"{path}: includes {bracket}{included}{closing}"
            if bracket == "<":
                occt = re.fullmatch(FAMILIES["opencascade"], included)
                if included.split("/")[0] in top_folders:
                    yield f"{where}: a project header belongs in quotes"
                elif occt and folder != "tests" and path.as_posix() not in OPENCASCADE_SOURCES:
                    yield f"{where}: OpenCASCADE is for sorvane's STEP writer " \
                          f"({', '.join(sorted(OPENCASCADE_SOURCES))}) and the tests only"
                elif not any(re.fullmatch(FAMILIES[f], included) for f in LIBRARIES[folder]):
                    yield f"{where}: not a library {folder}/ may use"
                continue
            nearby = folder == "host/include" or folder == "tests"
            target = resolve(root, path, included, nearby)
            if target is None:
                yield f"{where}: no such project file"
                continue
            name = target.as_posix()
            if not any(name.startswith(prefix) for prefix in PROJECT[folder]):
                yield f"{where}: across the layers"
            elif folder in ("tests", "bench") and name.split("/")[0] in ("tests", "bench") and \
                    not name.startswith((own, "tests/support/")):
                yield f"{where}: another test folder's file"


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    found = list(offences(root))
    for line in found:
        print(line)
    if found:
        print(f"check-layers: {len(found)} offence(s)")
        return 1
    print("check-layers: every include stays within what its folder may use")
    return 0


if __name__ == "__main__":
    sys.exit(main())
