#!/usr/bin/env bash
# Times puzzle generation in one run on the same machine: "zentaro-cli
# generate" for each level 1 to 5 and qqwing --generate at its four
# difficulties, COUNT puzzles each (default 20), and prints the time per
# puzzle. The generator benchmark, when built, adds the median and 90th
# percentile per level.
#
#   bench/compare-generators.sh [zentaro-cli] [generator_bench]
#
# The tool defaults to $ZENTARO_CLI, then build/src/cli/zentaro-cli; the
# benchmark to the generator_bench beside it in the same build.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-${ZENTARO_CLI:-$here/../build/src/cli/zentaro-cli}}
bench=${2:-$(dirname "$cli")/../../bench/generator_bench}
count=${COUNT:-20}
seed=${SEED:-1}

if ! command -v qqwing >/dev/null; then
  apt-get install -y qqwing >/dev/null
fi
if [ ! -x "$cli" ]; then
  echo "no zentaro-cli at $cli (build it, or pass its path)" >&2
  exit 1
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Wall-clock and processor (user + system) time of a command in microseconds;
# on a busy machine the processor time is the steadier figure.
timed() {
  local out=$1
  shift
  local TIMEFORMAT='%3R %3U %3S'
  local times
  times=$({ time "$@" >"$out" 2>/dev/null; } 2>&1)
  awk '{ printf "%d %d\n", $1 * 1e6, ($2 + $3) * 1e6 }' <<<"$times"
}

row() {  # name, wall us, cpu us, puzzles made
  awk -v name="$1" -v w="$2" -v c="$3" -v n="$4" 'BEGIN {
    if (n == 0) { printf "%-34s %8d %12s %12s\n", name, n, "-", "-"; exit }
    printf "%-34s %8d %12.1f %12.1f\n", name, n, w / n / 1000, c / n / 1000 }'
}

printf "%-34s %8s %12s %12s\n" "" "puzzles" "wall ms/pz" "cpu ms/pz"
for level in 1 2 3 4 5; do
  read -r wall cpu < <(timed "$tmp/z$level.txt" "$cli" generate --levels "$level" --count "$count" --seed "$seed")
  made=$(grep -cE "^[1-9.]{81}	$level\$" "$tmp/z$level.txt" || true)
  row "zentaro-cli generate --levels $level" "$wall" "$cpu" "$made"
done
for difficulty in simple easy intermediate expert; do
  read -r wall cpu < <(timed "$tmp/q$difficulty.txt" qqwing --generate "$count" --difficulty "$difficulty" --one-line)
  made=$(grep -cE '^[1-9.]{81}$' "$tmp/q$difficulty.txt" || true)
  row "qqwing --generate ($difficulty)" "$wall" "$cpu" "$made"
done

if [ -x "$bench" ]; then
  echo
  "$bench" --benchmark_filter='BM_Generate' --benchmark_counters_tabular=true
fi
