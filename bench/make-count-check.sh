#!/usr/bin/env bash
# Writes tests/data/count_check.txt: puzzles with one, several and no solutions,
# each with its solution count (capped at 2) as found by qqwing's own solver, so
# that the exact cover counter is checked against a program that shares no code
# with it.
#
#   bench/make-count-check.sh [output file]
#   PER_LEVEL=200 SEED=7 bench/make-count-check.sh
#
# From PER_LEVEL intermediate and PER_LEVEL expert qqwing puzzles (unique) it
# derives as many with 1 to 4 clues blanked (mostly several solutions) and as
# many with one clue changed to another digit (mostly none). Output lines are
# the 81-character puzzle ('.' empty), a tab and the expected count.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../tests/data/count_check.txt}
per_level=${PER_LEVEL:-200}
seed=${SEED:-1465}

if ! command -v qqwing >/dev/null; then
  apt-get install -y qqwing >/dev/null
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

for level in intermediate expert; do
  qqwing --generate "$per_level" --difficulty "$level" --one-line | grep -E '^[1-9.]{81}$'
done >"$tmp/base.txt"

awk -v seed="$seed" '
  BEGIN { srand(seed) }
  { base[NR] = $0 }
  END {
    for (i = 1; i <= NR; i++) print base[i]
    for (i = 1; i <= NR; i++) {
      p = base[i]
      blanks = 1 + int(rand() * 4)
      while (blanks > 0) {
        k = 1 + int(rand() * 81)
        if (substr(p, k, 1) != ".") { p = substr(p, 1, k - 1) "." substr(p, k + 1); blanks-- }
      }
      print p
    }
    for (i = 1; i <= NR; i++) {
      p = base[i]
      do k = 1 + int(rand() * 81); while (substr(p, k, 1) == ".")
      do d = 1 + int(rand() * 9); while (d == substr(p, k, 1) + 0)
      print substr(p, 1, k - 1) d substr(p, k + 1)
    }
  }' "$tmp/base.txt" >"$tmp/all.txt"

# One qqwing run per puzzle: it counts every solution, and a puzzle with too
# many to count in time is left out rather than holding up the rest.
skipped=0
{
  echo "# qqwing $(qqwing --version | awk '{print $2}') puzzles (intermediate, expert; clues blanked; one clue changed), counts by 'qqwing --solve --count-solutions' capped at 2; made by bench/make-count-check.sh"
  while read -r puzzle; do
    if ! result=$(printf '%s\n' "$puzzle" |
      timeout 10 qqwing --solve --count-solutions --one-line --csv | sed -n 2p); then
      skipped=$((skipped + 1))
      continue
    fi
    case $result in
      "Puzzle is not possible."*) count=0 ;;
      *,*,) count=${result#*,}; count=${count%,}; [ "$count" -gt 2 ] && count=2 ;;
      *) skipped=$((skipped + 1)); continue ;;
    esac
    printf '%s\t%s\n' "$puzzle" "$count"
  done <"$tmp/all.txt"
} >"$tmp/out.txt"

mv "$tmp/out.txt" "$out"
echo "wrote $(grep -vc '^#' "$out") puzzles to $out ($skipped left out)" >&2
cut -f2 "$out" | grep -v '^#' | sort | uniq -c >&2
