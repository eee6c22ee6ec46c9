#!/usr/bin/env bash
# Compiles every add-in source, syntax only, with clang (the macOS build's compiler) and
# -Wall -Wextra -Werror against the host API stand-in, whose enumerations hold every value the
# real SDK's do: a switch that misses one (-Wswitch) fails here as it fails a build against the
# real headers with warnings as errors. No code is generated and the sources compile side by
# side, so it takes seconds. check-windows.sh runs it.
# Usage: bash scripts/check-syntax.sh
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/ensure-packages.sh" clang libmuparser-dev nlohmann-json3-dev
cd "$root"
sources=(addin/*.cpp dialog/*.cpp graphics/*.cpp fusionkit/*.cpp curvehost/*.cpp curve/*/*.cpp)

# Says so when the source does not compile cleanly; clang's own words come first.
check() {
  clang++ -std=c++17 -fsyntax-only -Wall -Wextra -Werror -I host/include -I . "$1" || {
    echo "check-syntax: $1 does not compile cleanly with clang"
    return 1
  }
}
export -f check
if ! printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -I{} bash -c 'check "$1"' _ {}; then
  echo "check-syntax: add-in sources fail (above)"
  exit 1
fi
echo "check-syntax: all ${#sources[@]} add-in sources compile with clang, -Wall -Wextra, no warning"
