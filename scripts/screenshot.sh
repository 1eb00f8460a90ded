#!/usr/bin/env bash
# Renews docs/screenshot.png: the main window with a game in progress, drawn
# under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/screenshot -G Ninja -DCMAKE_BUILD_TYPE=Release -DZENTARO_BENCH=OFF >/dev/null
cmake --build build/screenshot --target zentaro-screenshot --parallel
mkdir -p docs
xvfb-run -a -s "-screen 0 1280x900x24" build/screenshot/tests/ui/zentaro-screenshot docs/screenshot.png
echo "docs/screenshot.png written" >&2
