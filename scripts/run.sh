#!/usr/bin/env bash
# Installs what is missing, builds the program in Release and starts it. The
# build folder is the one the tests use, so after the tests nothing is rebuilt.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --parallel --target zentaro zentaro-cli
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  exec xvfb-run -a build/release/src/ui/zentaro "$@"
fi
exec build/release/src/ui/zentaro "$@"
