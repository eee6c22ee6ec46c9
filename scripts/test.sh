#!/usr/bin/env bash
# Builds everything (installing what is missing) and runs every test.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/setup.sh"
cd "${VINTREL_BUILD_DIR:-$root/build}"
ctest --output-on-failure -j "$(nproc)" "$@"
