#!/usr/bin/env bash
# Runs one libFuzzer target for a while: scripts/fuzz.sh TARGET SECONDS
# TARGET is sdk_reader, markup, cli_parsers, kept_game, statistics or
# settings_store (the last needs Qt Core). The target is built with Clang,
# AddressSanitizer and UndefinedBehaviorSanitizer in build/fuzz (or in
# $ZENTARO_FUZZ_BUILD); new inputs go to corpus/TARGET in that folder (the
# committed seeds in tests/fuzz/corpus/TARGET are read, never written). A finding is left as crash-* / leak-* in the
# current folder: fix it, then add the input to the committed corpus so that
# the replay test keeps it fixed.
set -euo pipefail

target=${1:?usage: scripts/fuzz.sh TARGET SECONDS}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZENTARO_FUZZ_BUILD:-$root/build/fuzz}

if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  echo "Installing clang and its fuzzer runtime" >&2
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends clang libclang-rt-14-dev >/dev/null
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DZENTARO_FUZZ=ON -DZENTARO_UI=OFF -DZENTARO_BENCH=OFF >/dev/null
cmake --build "$build" --target "fuzz_$target"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
work=$build/corpus/$target
mkdir -p "$work"
"$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 "$work" "$root/tests/fuzz/corpus/$target"
