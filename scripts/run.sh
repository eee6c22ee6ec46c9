#!/usr/bin/env bash
# The main job: builds if needed, then computes the dialog's default curve (the helix).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/setup.sh" >/dev/null
"${VINTREL_BUILD_DIR:-$root/build}/tools/fitcurve"
