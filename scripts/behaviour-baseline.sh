#!/usr/bin/env bash
# Writes what the command-line tool answers over the committed collections
# into one folder, a file per command, so that two builds (before and after a
# change that must not alter behaviour) can be compared with `diff -r`:
#
#   bash scripts/behaviour-baseline.sh OLD/zentaro-cli /tmp/before
#   bash scripts/behaviour-baseline.sh NEW/zentaro-cli /tmp/after
#   diff -r /tmp/before /tmp/after && echo identical
#
# Takes a few minutes in a Release build.
set -euo pipefail
if (($# != 2)); then
  echo "usage: $0 ZENTARO_CLI OUTDIR" >&2
  exit 2
fi
cli=$(realpath "$1")
mkdir -p "$2"
out=$(realpath "$2")
cd "$(dirname "$0")/.."
data=tests/data

slice() {  # file, how many lines: the first puzzles, comment lines skipped
  awk -v n="$2" '!/^#/ && count++ < n' "$1"
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
slice $data/puzzles2_17_clue.txt 400 >"$tmp/17clue-400.txt"
slice $data/puzzles3_magictour_top1465.txt 40 >"$tmp/top1465-40.txt"

run() {  # name, arguments...
  local name=$1
  shift
  # The exit status is part of the answer too.
  "$cli" "$@" >"$out/$name.out" 2>"$out/$name.err.raw" && echo 0 >"$out/$name.rc" || echo $? >"$out/$name.rc"
  # The generator reports how long each puzzle took, which differs run by run.
  sed -E 's/, [0-9]+\.[0-9]+ s$//' "$out/$name.err.raw" >"$out/$name.err"
  rm "$out/$name.err.raw"
}

run generate-any-30-seed7 generate --levels any --count 30 --seed 7
run generate-levels-10-seed11 generate --levels 1,2,3,4,5 --count 10 --seed 11
for f in hint_walk puzzles3_magictour_top1465; do
  run "rate-$f" rate $data/$f.txt
  run "rate-generator-$f" rate --generator --seed 3 $data/$f.txt
done
run rate-17clue-400 rate "$tmp/17clue-400.txt"
for f in hint_walk puzzles2_17_clue puzzles3_magictour_top1465 puzzles6_forum_hardest_1106 \
  puzzles7_serg_benchmark norvig_top95; do
  run "solve-$f" solve $data/$f.txt
  run "count-$f" count $data/$f.txt
done
run hint-walk-hint_walk hint --walk $data/hint_walk.txt
run hint-walk-top1465-40 hint --walk "$tmp/top1465-40.txt"
run hint-norvig_top95 hint $data/norvig_top95.txt
echo "written to $out"
