#!/usr/bin/env bash
# Compares `tarvonel6-cli -0 --json` over 10,000 photos with a program that
# only opens each file, reads 4000 bytes and closes it, and prints the ratio
# of their mean times (the goal: at most 1.5).
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
  -n tarvonel6-cli "$build/cli/tarvonel6-cli -0 --json < $work/list"

# CSV: command,mean,stddev,median,user,system,min,max
awk -F, 'NR == 2 { base = $2 } NR == 3 { cli = $2 }
  END { printf "%d photos: baseline %.1f ms, tarvonel6-cli %.1f ms, ratio %.2f\n",
        '"$count"', base * 1000, cli * 1000, cli / base }' "$work/times.csv"
