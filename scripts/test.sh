#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: once in a
# Release build with warnings as errors, once with AddressSanitizer and
# UndefinedBehaviorSanitizer (leaks included).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run() {  # name, extra cmake flags...
  local dir=build/$1
  shift
  cmake -S . -B "$dir" -G Ninja -DZENTARO_WERROR=ON -DZENTARO_BENCH=ON "$@" >/dev/null
  cmake --build "$dir" --parallel "$jobs"
  ctest --test-dir "$dir" --output-on-failure --parallel "$jobs" --timeout 1200
}

run release -DCMAKE_BUILD_TYPE=Release
# The program killed in the middle of a game brings it back at the next
# start; it needs a virtual X server and xdotool, and takes some seconds.
if command -v xvfb-run >/dev/null && command -v xdotool >/dev/null; then
  timeout 180 bash scripts/kept-game-check.sh build/release/src/ui/zentaro
fi
run sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENTARO_SANITIZE=ON -DZENTARO_BENCH=OFF
