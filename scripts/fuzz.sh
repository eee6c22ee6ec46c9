#!/usr/bin/env bash
# Builds the project with clang, sanitizers and libFuzzer coverage, then runs each fuzzer for a
# bounded time on a scratch copy of its seed corpus. Fails on any finding (crash, broken
# invariant, timeout, leak, out of memory); the inputs that caused them are left in the build's
# fuzz-findings/ folder, ready to be copied into tests/fuzz/regressions/<target>/. An input slower
# than usual but within the per-input limit is no finding: the summary gives the slowest input's
# time, and such inputs are kept in fuzz-slow/ for a look.
#   FUZZ_SECONDS       seconds per fuzzer (default 120)
#   VINTREL_FUZZ_DIR   build directory (default build-fuzz/ in the repository)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VINTREL_FUZZ_DIR:-$root/build-fuzz}"
seconds="${FUZZ_SECONDS:-120}"
targets=(fitFromTexts dialogSession)
# Seconds one input may take. The slowest known inputs (4096-control fits of curves that run over
# themselves, with their statuses) take well under a second in a release build and some seconds
# under the sanitizers and the fuzzers' coverage counters.
input_seconds=60
# libFuzzer reports (and keeps) each input that takes at least this many whole seconds and longer
# than any before it, so that the summary can give the slowest one's time.
slow_seconds=1

bash "$root/scripts/ensure-packages.sh" clang libclang-rt-14-dev cmake make libmuparser-dev nlohmann-json3-dev libcli11-dev \
  libgtest-dev libgmock-dev

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVINTREL_FUZZ=ON -DVINTREL_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/%/Fuzzer}"

findings_total=0
summary=()
for target in "${targets[@]}"; do
  corpus="$build/fuzz-corpus/$target"
  findings="$build/fuzz-findings/$target"
  slow="$build/fuzz-slow/$target"
  rm -rf "$corpus" "$findings" "$slow"
  mkdir -p "$corpus" "$findings" "$slow"
  cp "$root/tests/fuzz/corpus/$target/"* "$corpus/"
  cp "$root/tests/fuzz/regressions/$target/"* "$corpus/" 2>/dev/null || true
  log="$build/fuzz-$target.log"
  echo "fuzzing $target for ${seconds}s"
  # One process after the other, one job each: the fuzzers share the machine with nothing else,
  # but two at once would only halve each one's speed. A finding stops libFuzzer at once.
  set +e
  ASAN_OPTIONS=detect_leaks=1 "$build/tests/fuzz/${target}Fuzzer" \
    -max_total_time="$seconds" -timeout="$input_seconds" -report_slow_units="$slow_seconds" \
    -rss_limit_mb=2048 -max_len=4096 -dict="$root/tests/fuzz/$target.dict" -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1
  status=$?
  set -e
  executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  # The slow inputs libFuzzer wrote beside the findings are none of them. It writes one only when
  # it is slower than all before it, so the last one written is the slowest.
  find "$findings" -type f -name 'slow-unit-*' -exec mv -t "$slow" {} +
  slowest=$(sed -n 's/^Slowest unit: \([0-9]*\) s.*/\1/p' "$log" | tail -1)
  slowest_input=$(sed -n 's/.*Test unit written to .*\/\(slow-unit-[0-9a-f]*\)$/\1/p' "$log" | tail -1)
  # libFuzzer looks at the time every half limit or so, so an input may finish a little past the
  # limit before it is stopped: a hang all the same, kept with the findings as libFuzzer keeps one.
  unkept=0
  if [ "${slowest:-0}" -ge "$input_seconds" ]; then
    echo "--- $target: an input took ${slowest} s, over the limit of ${input_seconds} s"
    if [ -n "$slowest_input" ] && [ -f "$slow/$slowest_input" ]; then
      cp "$slow/$slowest_input" "$findings/timeout-${slowest_input#slow-unit-}"
    else
      unkept=1
    fi
  fi
  found=$(($(find "$findings" -type f | wc -l) + unkept))
  if [ "$status" -ne 0 ] && [ "$found" -eq 0 ]; then
    found=1  # libFuzzer failed without leaving an input (e.g. it could not start)
  fi
  if [ "$found" -ne 0 ]; then
    echo "--- $target: finding(s); the end of its log ($log):"
    tail -n 40 "$log"
  fi
  findings_total=$((findings_total + found))
  if [ -n "$slowest" ]; then
    slowest_text="slowest input ${slowest} s (in $slow)"
  else
    slowest_text="slowest input under ${slow_seconds} s"
  fi
  summary+=("$target: ${executed:-0} executions, $found findings, $slowest_text")
done

echo "fuzz summary:"
printf '  %s\n' "${summary[@]}"
if [ "$findings_total" -ne 0 ]; then
  echo "findings are in $build/fuzz-findings/"
  exit 1
fi
