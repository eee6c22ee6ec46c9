#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks, then configures and builds into build/.
# Quick when everything is already there: apt-get runs only for missing packages. OpenCASCADE
# (libocct-data-exchange-dev, with TBB's libtbb-dev, which its CMake files name but its packages
# do not require) writes sorvane's STEP files.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VINTREL_BUILD_DIR:-$root/build}"

bash "$root/scripts/ensure-packages.sh" cmake make g++ libmuparser-dev nlohmann-json3-dev libcli11-dev libgtest-dev libgmock-dev \
  libbenchmark-dev python3 python3-ezdxf librsvg2-bin libocct-data-exchange-dev libtbb-dev

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)"
