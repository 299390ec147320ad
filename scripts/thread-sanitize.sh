#!/usr/bin/env bash
# Builds the command-line front end and the tests of its batch loading with
# ThreadSanitizer into ./build-tsan (or the folder given as $1) and runs the
# tests that load photos on several threads. Any data race the sanitizer sees,
# in a test or in the tarvonel6-cli it starts, fails them.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-tsan}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVONEL6_THREAD_SANITIZE=ON \
  -DTARVONEL6_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" \
  --target tarvonel6-cli tarvonel6_cli_ordered_loads_test tarvonel6_cli_program_test

export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
ctest --test-dir "$build" --output-on-failure -R 'OrderedLoads|Threads'
