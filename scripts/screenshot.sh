#!/usr/bin/env bash
# Renews the pictures in docs/: the main window with a game in progress, the
# same maximised on a 1920 x 1080 screen, with a hint stage, with the level
# dialog and with the mistake check's marks, and the board on a screen of
# device pixel ratio 2. Drawn under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/screenshot -G Ninja -DCMAKE_BUILD_TYPE=Release -DZENTARO_BENCH=OFF >/dev/null
cmake --build build/screenshot --target zentaro-screenshot --parallel
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
shoot level level-dialog.png
shoot board board-2x.png QT_SCALE_FACTOR=2
shoot mistakes mistake-check.png
SCREEN=1920x1080 shoot maximised maximised-1920x1080.png
