#!/usr/bin/env bash
# Compares `tarvonel6-cli -0 --json` over 10,000 photos with a program that
# only opens each file, reads 4000 bytes and closes it, and prints the ratio
# of their mean times (the goal: at most 1.5): with its default threads (one
# per processor) and on one thread, and for each the ratio of processor time
# (user + system) as well, since threads shorten the wait but not the work.
#   bench/cli/batch.sh [BUILD_DIR] [COUNT]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
count=${2:-10000}
cmake --build "$build" -j2 --target tarvonel6-cli cli_read_baseline make-batch-photos >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/photos"
"$build/bench/cli/make-batch-photos" "$work/photos" "$count"
find "$work/photos" -type f -print0 >"$work/list"

hyperfine --warmup 3 --min-runs 10 --export-csv "$work/times.csv" \
  -n baseline "$build/bench/cli/cli_read_baseline < $work/list" \
  -n tarvonel6-cli "$build/cli/tarvonel6-cli -0 --json < $work/list" \
  -n "tarvonel6-cli -j1" "$build/cli/tarvonel6-cli -j1 -0 --json < $work/list"

# CSV: command,mean,stddev,median,user,system,min,max
awk -F, -v count="$count" '
  NR == 2 { base = $2; baseCpu = $5 + $6 }
  NR > 2 {
    printf "%d photos, %-18s %6.1f ms (baseline %.1f ms), ratio %.2f; processor time ratio %.2f\n",
      count, $1 ":", $2 * 1000, base * 1000, $2 / base, ($5 + $6) / baseCpu }' "$work/times.csv"
