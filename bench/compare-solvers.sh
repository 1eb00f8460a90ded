#!/usr/bin/env bash
# Times "zentaro-cli count" against qqwing's solution counter on the same
# qqwing puzzles (half intermediate, half expert) and prints both times and
# their ratio. Both programs are also checked to agree on every count.
#
#   bench/compare-solvers.sh [zentaro-cli] [puzzle file]
#
# With BASELINE_CLI set to another build's zentaro-cli, that one is timed in
# the same run too, so that a change can be measured against its base.
# Without a puzzle file, PUZZLES (default 1000) puzzles are generated once and
# kept in ${TMPDIR:-/tmp}/zentaro-bench for later runs. The tool defaults to
# $ZENTARO_CLI, then build/src/cli/zentaro-cli.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-${ZENTARO_CLI:-$here/../build/src/cli/zentaro-cli}}
puzzles=${2:-}
wanted=${PUZZLES:-1000}

if ! command -v qqwing >/dev/null; then
  apt-get install -y qqwing >/dev/null
fi
if [ ! -x "$cli" ]; then
  echo "no zentaro-cli at $cli (build it, or pass its path)" >&2
  exit 1
fi

if [ -z "$puzzles" ]; then
  cache=${TMPDIR:-/tmp}/zentaro-bench
  puzzles=$cache/qqwing-$wanted.txt
  if [ ! -s "$puzzles" ]; then
    mkdir -p "$cache"
    echo "generating $wanted qqwing puzzles into $puzzles ..." >&2
    half=$((wanted / 2))
    {
      qqwing --generate "$half" --difficulty intermediate --one-line
      qqwing --generate "$((wanted - half))" --difficulty expert --one-line
    } | grep -E '^[1-9.]{81}$' >"$puzzles.part"
    mv "$puzzles.part" "$puzzles"
  fi
fi
n=$(grep -cE '^[0-9.]{81}' "$puzzles")

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Runs a command with its output kept in a file and prints its wall-clock and
# processor (user + system) time in microseconds; on a busy machine the
# processor time is the steadier figure.
timed() {
  local out=$1
  shift
  local TIMEFORMAT='%3R %3U %3S'
  local times
  times=$({ time "$@" >"$out"; } 2>&1)
  awk '{ printf "%d %d\n", $1 * 1e6, ($2 + $3) * 1e6 }' <<<"$times"
}

read -r zentaro_wall zentaro_cpu < <(timed "$tmp/zentaro.txt" "$cli" count "$puzzles")
read -r qqwing_wall qqwing_cpu < <(timed "$tmp/qqwing.txt" qqwing --solve --count-solutions --one-line --csv <"$puzzles")
base_wall=0 base_cpu=0
if [ -n "${BASELINE_CLI:-}" ]; then
  read -r base_wall base_cpu < <(timed "$tmp/baseline.txt" "$BASELINE_CLI" count "$puzzles")
  if ! cmp -s "$tmp/zentaro.txt" "$tmp/baseline.txt"; then
    echo "the baseline's counts differ" >&2
    exit 1
  fi
fi

# qqwing prints a header, then "solution,count," or "Puzzle is not possible.,".
tail -n +2 "$tmp/qqwing.txt" | awk -F, '{ c = ($1 ~ /not possible/) ? 0 : $2; print (c > 2 ? 2 : c) }' \
  >"$tmp/qqwing-counts.txt"
if ! cmp -s "$tmp/zentaro.txt" "$tmp/qqwing-counts.txt"; then
  echo "the counts differ:" >&2
  diff "$tmp/zentaro.txt" "$tmp/qqwing-counts.txt" | head >&2
  exit 1
fi

awk -v n="$n" -v zw="$zentaro_wall" -v zc="$zentaro_cpu" -v qw="$qqwing_wall" -v qc="$qqwing_cpu" \
  -v bw="$base_wall" -v bc="$base_cpu" 'BEGIN {
  printf "%d puzzles, counts agree\n", n
  printf "%-18s %10s %12s %10s %12s\n", "", "wall ms", "us/puzzle", "cpu ms", "us/puzzle"
  printf "%-18s %10.1f %12.1f %10.1f %12.1f\n", "zentaro-cli count", zw / 1000, zw / n, zc / 1000, zc / n
  printf "%-18s %10.1f %12.1f %10.1f %12.1f\n", "qqwing", qw / 1000, qw / n, qc / 1000, qc / n
  if (bw > 0)
    printf "%-18s %10.1f %12.1f %10.1f %12.1f\n", "baseline count", bw / 1000, bw / n, bc / 1000, bc / n
  printf "zentaro is %.1f times as fast (wall), %.1f times (cpu)\n", qw / zw, (zc > 0 ? qc / zc : 0)
  if (bw > 0)
    printf "the baseline is %.1f times as fast as qqwing (wall), %.1f times (cpu)\n", qw / bw, (bc > 0 ? qc / bc : 0)
}'
