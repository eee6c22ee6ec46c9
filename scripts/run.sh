#!/usr/bin/env bash
# The main job: builds if needed, then runs sorvane, the command-line host, on the dialog's
# defaults (the helix): the add-in computes it in the simulated host, sorvane prints the status
# ("32 spline controls") and draws the curve into helix.svg in the current directory.
# Further options go to sorvane, e.g. bash scripts/run.sh --json helix.json --dxf helix.dxf
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/setup.sh" >/dev/null
"${VINTREL_BUILD_DIR:-$root/build}/tools/sorvane" --svg helix.svg "$@"
echo "picture: $(pwd)/helix.svg"
