#!/usr/bin/env bash
# Installs what is missing, builds the program in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZENTARO_TESTS=OFF >/dev/null
cmake --build build/release --parallel
if [[ -x build/release/src/ui/zentaro ]]; then
  if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    exec xvfb-run -a build/release/src/ui/zentaro "$@"
  fi
  exec build/release/src/ui/zentaro "$@"
fi
# Until the window lands, the command-line tool is the program.
exec build/release/src/cli/zentaro-cli "${@:---help}"
