#!/usr/bin/env bash
# Renews the pictures in docs/: the main window with a game in progress, the
# same maximised on a 1920 x 1080 screen, with a hint stage, with a forcing
# net's concrete stage, with the level
# dialog, with the mistake check's marks and with "why not here?" for the
# selected cell, and the board on a screen of
# device pixel ratio 2, drawn under a virtual X server; then a page of
# printed puzzles and two pages of a worked solution, read back from the
# PDF files the program writes.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/screenshot -G Ninja -DCMAKE_BUILD_TYPE=Release -DZENTARO_BENCH=OFF >/dev/null
cmake --build build/screenshot --target zentaro-screenshot zentaro --parallel
mkdir -p docs
shoot() {  # what, output, extra environment...
  local what=$1 out=$2
  shift 2
  env "$@" xvfb-run -a -s "-screen 0 ${SCREEN:-1280x900}x24" \
    build/screenshot/tests/ui/zentaro-screenshot "$what" "docs/$out"
  echo "docs/$out written" >&2
}
shoot window screenshot.png
shoot hint hint-stage.png
shoot net forcing-net-hint.png
shoot level level-dialog.png
shoot board board-2x.png QT_SCALE_FACTOR=2
shoot mistakes mistake-check.png
shoot whynot why-not-here.png
SCREEN=1920x1080 shoot maximised maximised-1920x1080.png

paper=$(mktemp -d)
trap 'rm -rf "$paper"' EXIT
zentaro=build/screenshot/src/ui/zentaro
page() {  # pdf, page number, output
  pdftoppm -r 80 -png -f "$2" -l "$2" -singlefile "$1" "docs/${3%.png}"
  echo "docs/$3 written" >&2
}
"$zentaro" --print-puzzles "$paper/sheets.pdf" --count 6 --per-page 6 --levels any --solutions --seed 42
page "$paper/sheets.pdf" 1 print-puzzles-page.png
sed -n 5p tests/data/puzzles3_magictour_top1465.txt >"$paper/top1465-5.txt"
"$zentaro" --worked-solution "$paper/top1465-5.txt" "$paper/worked.pdf"
page "$paper/worked.pdf" 1 worked-solution-page.png
# A generated level-5 puzzle whose hints need a forcing chain (step 40, page 9).
grep -v '^#' tests/data/hint_walk.txt | tail -30 | sed -n 12p >"$paper/chain.txt"
"$zentaro" --worked-solution "$paper/chain.txt" "$paper/chain.pdf"
page "$paper/chain.pdf" 9 worked-solution-chain-page.png
