#!/usr/bin/env bash
# Draws every curve of the help page's formula library with sorvane (the real add-in in the
# simulated host) into docs/library/<id>.svg, the pictures the README shows. The definitions,
# formulas, t range and coordinates are read from docs/help.html itself and typed into the dialog
# of a millimetre design, the unit the page writes the lengths in, so the pictures show exactly
# what the page offers.
# Usage: bash scripts/draw-library.sh   (sorvane: $SORVANE, else the one in $VINTREL_BUILD_DIR or
# build/, built there first if missing)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VINTREL_BUILD_DIR:-$root/build}"
sorvane="${SORVANE:-$build/tools/sorvane}"
if [ ! -x "$sorvane" ]; then
  bash "$root/scripts/ensure-packages.sh" cmake make g++ libmuparser-dev nlohmann-json3-dev libcli11-dev python3
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" --target sorvane -j "$(nproc)"
fi

mkdir -p "$root/docs/library"
SORVANE="$sorvane" ROOT="$root" python3 - <<'PY'
import os
import subprocess
import sys

root = os.environ["ROOT"]
sys.path.insert(0, os.path.join(root, "scripts"))
import helpformulas

failed = 0
for entry in helpformulas.read_library(os.path.join(root, "docs", "help.html")):
    picture = os.path.join("docs", "library", entry["id"] + ".svg")
    run = subprocess.run([os.environ["SORVANE"], "--svg", os.path.join(root, picture),
                          *helpformulas.sorvane_arguments(entry)], capture_output=True, text=True)
    status = run.stdout.splitlines()[0] if run.stdout else run.stderr.strip()
    print(f"{picture}: {status}")
    failed += run.returncode != 0
sys.exit(1 if failed else 0)
PY
