#!/usr/bin/env bash
# Runs the add-in's end-to-end tests and the sorvane program under valgrind's memcheck, on the
# normal build (built first if needed): any invalid access, use of an uninitialised value, or
# memory definitely or indirectly lost fails the run. The end-to-end tests run in two shards per
# core at once (gtest's sharding, which deals the tests out in turn: more shards even out the long
# fault-sweep tests); about ten minutes on two cores.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VINTREL_BUILD_DIR:-$root/build}"
bash "$root/scripts/ensure-packages.sh" valgrind
bash "$root/scripts/setup.sh" >/dev/null

# --keep-debuginfo names the frames of add-in libraries that were unloaded before the exit.
memcheck=(valgrind --quiet --error-exitcode=42 --leak-check=full
          --errors-for-leak-kinds=definite,indirect --show-leak-kinds=definite,indirect
          --keep-debuginfo=yes)
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

shards="$((2 * $(nproc)))"
echo "memcheck: endtoend_tests in $shards shards at once"
pids=()
for ((i = 0; i < shards; i++)); do
  GTEST_TOTAL_SHARDS="$shards" GTEST_SHARD_INDEX="$i" "${memcheck[@]}" \
    "$build/tests/endtoend/endtoend_tests" --gtest_brief=1 >"$scratch/shard$i.log" 2>&1 &
  pids+=("$!")
done
failed=0
for i in "${!pids[@]}"; do
  wait "${pids[$i]}" || failed=1
  cat "$scratch/shard$i.log"
done
[ "$failed" -eq 0 ] || { echo "memcheck: endtoend_tests failed"; exit 1; }

sorvane="$build/tools/sorvane"
# The STEP file is written through OpenCASCADE, whose libraries every run loads.
runs=(
  "--json $scratch/helix.json --svg $scratch/helix.svg --dxf $scratch/helix.dxf --step $scratch/helix.step"
  "--x cos(2*pi*t) --y sin(2*pi*t) --z 0 --t-end 1 --step $scratch/circle.step"
  "--x cos(3*t)*(2+cos(2*t)) --y sin(3*t)*(2+cos(2*t)) --z sin(4*t) --t-end 6.283 --edit-sketch tilted"
  "--x r*t --param r=2 --cancel"
  "--design $scratch/spring.json --param r=5 --x r*cos(t) --y r*sin(t) --edit-sketch xz"
  "--design $scratch/spring.json --select Sketch1:1 --z 2*t --svg $scratch/edited.svg"
)
for args in "${runs[@]}"; do
  echo "memcheck: sorvane $args"
  # shellcheck disable=SC2086  # the arguments are split on purpose
  "${memcheck[@]}" "$sorvane" --quiet $args
done
echo "memcheck: sorvane with a bad expression (exit 1 expected)"
set +e
"${memcheck[@]}" "$sorvane" --quiet --x "cos(" 2>/dev/null
status=$?
set -e
[ "$status" -eq 1 ] || { echo "expected exit 1, got $status"; exit 1; }
echo "memcheck: no errors, no leaks"
