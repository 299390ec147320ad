#!/usr/bin/env bash
# Builds the fuzz targets with clang 14 into ./build-fuzz and runs each for
# SECONDS (default 60), starting from the seed photos of fuzz/corpus. Prints,
# for each target, the inputs executed, the coverage reached and the findings
# (inputs that crashed, leaked or timed out, kept in build-fuzz/findings/).
# Exits 1 when any target found something.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build-fuzz
jobs=$(( $(nproc) < 2 ? $(nproc) : 2 ))

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DTARVONEL6_FUZZ=ON -DTARVONEL6_TESTS=OFF -DTARVONEL6_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$jobs" --target fuzz_analysis fuzz_load >/dev/null

# fuzz_analysis also tries captures longer than the 5000-byte buffer;
# fuzz_load files longer than the 4000 bytes read.
declare -A max_len=([fuzz_analysis]=6000 [fuzz_load]=5000)
status=0
printf '%-14s %12s %10s %10s %9s\n' target executions coverage features findings
for target in fuzz_analysis fuzz_load; do
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  rm -rf "$findings"
  mkdir -p "$corpus" "$findings"
  log="$build/$target.log"
  # A finding ends the run with a non-zero status; it is counted below.
  "$build/fuzz/$target" "$corpus" fuzz/corpus -max_total_time="$seconds" \
    -max_len="${max_len[$target]}" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/" >"$log" 2>&1 || true
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n1 | cut -d' ' -f2)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -n1 | cut -d' ' -f2)
  found=$(find "$findings" -type f | wc -l)
  printf '%-14s %12s %10s %10s %9s\n' "$target" "${runs:-?}" "${cov:-?}" "${ft:-?}" "$found"
  if [[ $found -ne 0 || -z $runs ]]; then
    status=1
    echo "--- $log (end)" >&2
    tail -n 40 "$log" >&2
  fi
done
exit $status
