#!/usr/bin/env bash
# Compares the hint walks of two builds puzzle by puzzle: where the old walk
# finished, the new one must be the same line for line; where the old one
# said `stuck`, the new one must repeat every line before it and may go on
# from there. Used when hints learn a technique beyond those the old build
# knew, which must not change any hint the old build gave.
#
#   bash scripts/walk-prefix-check.sh OLD/zentaro-cli NEW/zentaro-cli FILE...
#
# Prints one line per file and exits 1 on the first puzzle that differs.
set -euo pipefail
if (($# < 3)); then
  echo "usage: $0 OLD_CLI NEW_CLI FILE..." >&2
  exit 2
fi
old=$1 new=$2
shift 2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
for file in "$@"; do
  "$old" hint --walk "$file" >"$tmp/old" || true
  "$new" hint --walk "$file" >"$tmp/new" || true
  # Each walk ends with a line that starts with "solved" or "stuck".
  if ! awk -v name="$file" '
    function flush_old() { olds[++no] = oblock; oblock = ""; ostuck[no] = stuck }
    NR == FNR {
      oblock = oblock $0 "\n"
      if ($0 ~ /^solved\t/) { stuck = 0; flush_old() }
      else if ($0 ~ /^stuck\t/) { sub(/[^\n]*\n$/, "", oblock); stuck = 1; flush_old() }
      next
    }
    { nblock = nblock $0 "\n" }
    /^(solved|stuck)\t/ { news[++nn] = nblock; nblock = "" }
    END {
      if (no != nn) { printf "%s: %d walks before, %d now\n", name, no, nn; exit 1 }
      went_on = 0
      for (i = 1; i <= no; ++i) {
        same = ostuck[i] ? substr(news[i], 1, length(olds[i])) == olds[i] : news[i] == olds[i]
        if (!same) { printf "%s: walk %d differs\n", name, i; exit 1 }
        if (ostuck[i] && length(news[i]) > length(olds[i]) + 1) ++went_on
      }
      printf "%s: %d walks, the same up to where the old one stopped; %d went on from there\n",
        name, no, went_on
    }' "$tmp/old" "$tmp/new"; then
    status=1
  fi
done
exit $status
