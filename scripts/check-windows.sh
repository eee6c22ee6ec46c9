#!/usr/bin/env bash
# Compiles every add-in source for 64-bit Windows with the MinGW cross-compiler, syntax only, against
# the host API stand-in headers and muparser's headers, so that nothing Linux-only creeps into the
# add-in. There is no Windows SDK here: linking against the real host is left to the Windows build.
# Usage: bash scripts/check-windows.sh   (scratch folder: $VINTREL_WINDOWS_CHECK_DIR or build-windows/)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
scratch="${VINTREL_WINDOWS_CHECK_DIR:-$root/build-windows}"
bash "$root/scripts/ensure-packages.sh" g++-mingw-w64-x86-64 libmuparser-dev
# The POSIX thread model: the win32 one of GCC 12 has no std::mutex, which MSVC and newer GCCs have.
compiler=x86_64-w64-mingw32-g++-posix
start=$(date +%s)

# muparser's headers alone, copied aside: including /usr/include would let Linux headers in.
mkdir -p "$scratch/include"
cp /usr/include/muParser*.h "$scratch/include/"

cd "$root"
sources=(addin/*.cpp dialog/*.cpp graphics/*.cpp curve/*.cpp)
failed=()
for source in "${sources[@]}"; do
  if ! "$compiler" -std=c++17 -fsyntax-only -D_WINDOWS -D_WIN64 -Wall -Wextra -Wpedantic -Werror \
      -I host/include -I . -isystem "$scratch/include" "$source"; then
    failed+=("$source")
  fi
done

seconds=$(($(date +%s) - start))
if ((${#failed[@]})); then
  echo "check-windows: ${#failed[@]} of ${#sources[@]} add-in sources fail to compile for Windows:"
  printf '  %s\n' "${failed[@]}"
  exit 1
fi
echo "check-windows: all ${#sources[@]} add-in sources compile for Windows (MinGW, ${seconds} s)"
