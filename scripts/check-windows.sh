#!/usr/bin/env bash
# Checks what can be checked of the Windows build without Windows or the real SDK:
#  1. every add-in source compiles for 64-bit Windows with the MinGW cross-compiler, syntax only,
#     against the host API stand-in headers and muparser's headers, so that nothing Linux-only
#     creeps into the add-in;
#  2. the CMake option VINTREL_FUSION_SDK builds the add-in alone from an SDK-shaped folder
#     (include/ with the stand-in headers, lib/core.lib and lib/fusion.lib standing for the
#     simulated host's library), and that add-in runs in sorvane.
# First, check-syntax.sh compiles every add-in source with clang, as a macOS build does, against
# the stand-in's enumerations, complete as the real SDK's, with every warning an error.
# Usage: bash scripts/check-windows.sh   (scratch folder: $VINTREL_WINDOWS_CHECK_DIR or
# build-windows/; the simulated host and sorvane come from $VINTREL_BUILD_DIR or build/, built
# there first if missing)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
scratch="${VINTREL_WINDOWS_CHECK_DIR:-$root/build-windows}"
bash "$root/scripts/ensure-packages.sh" g++-mingw-w64-x86-64 libmuparser-dev nlohmann-json3-dev
# The POSIX thread model: the win32 one of GCC 12 has no std::mutex, which MSVC and newer GCCs have.
compiler=x86_64-w64-mingw32-g++-posix
start=$(date +%s)
bash "$root/scripts/check-syntax.sh"

# muparser's and nlohmann/json's headers alone, copied aside: including /usr/include would let
# Linux headers in.
mkdir -p "$scratch/include"
cp /usr/include/muParser*.h "$scratch/include/"
cp -r /usr/include/nlohmann "$scratch/include/"

cd "$root"
sources=(addin/*.cpp dialog/*.cpp graphics/*.cpp fusionkit/*.cpp curvehost/*.cpp curve/*/*.cpp)
failed=()
for source in "${sources[@]}"; do
  if ! "$compiler" -std=c++17 -fsyntax-only -D_WINDOWS -D_WIN64 -Wall -Wextra -Wpedantic -Werror \
      -I host/include -I . -isystem "$scratch/include" "$source"; then
    failed+=("$source")
  fi
done

if ((${#failed[@]})); then
  echo "check-windows: ${#failed[@]} of ${#sources[@]} add-in sources fail to compile for Windows:"
  printf '  %s\n' "${failed[@]}"
  exit 1
fi
echo "check-windows: all ${#sources[@]} add-in sources compile for Windows (MinGW)"

# 2. The add-in alone, built the way the Windows build builds it.
build="${VINTREL_BUILD_DIR:-$root/build}"
if [ ! -f "$build/host/libfusionsim.so" ] || [ ! -x "$build/tools/sorvane" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" --target fusionsim sorvane -j "$(nproc)"
fi
sdk="$scratch/sdk"
rm -rf "$sdk" "$scratch/addin-only"
mkdir -p "$sdk/lib"
cp -r host/include "$sdk/include"
cp "$build/host/libfusionsim.so" "$sdk/lib/core.lib"
cp "$build/host/libfusionsim.so" "$sdk/lib/fusion.lib"
cmake -S "$root" -B "$scratch/addin-only" -DCMAKE_BUILD_TYPE=Release -DVINTREL_FUSION_SDK="$sdk" \
  >/dev/null
cmake --build "$scratch/addin-only" -j "$(nproc)" >/dev/null
for folder in host tools tests bench; do
  if [ -e "$scratch/addin-only/$folder" ]; then
    echo "check-windows: the SDK build configured $folder/, which the Windows build cannot have"
    exit 1
  fi
done
"$build/tools/sorvane" --quiet --addin "$scratch/addin-only/addin/Vintrel.so"
echo "check-windows: VINTREL_FUSION_SDK builds the add-in alone, and it runs in sorvane"
echo "check-windows: passed in $(($(date +%s) - start)) s"
