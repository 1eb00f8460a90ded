#!/usr/bin/env bash
# Installs a finished build into a scratch prefix and checks that a desktop
# finds everything it needs there, and that the program answers on a
# terminal that has no display.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.example.zentaro.Zentaro
for file in bin/zentaro bin/zentaro-cli share/applications/$id.desktop \
  share/icons/hicolor/scalable/apps/$id.svg share/mime/packages/$id.xml \
  share/metainfo/$id.metainfo.xml; do
  [[ -s $prefix/$file ]] || { echo "not installed: $file"; exit 1; }
done
[[ -x $prefix/bin/zentaro && -x $prefix/bin/zentaro-cli ]]

# The validators are optional at build time; the test scripts install them.
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/$id.desktop"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null
fi
grep -q 'glob pattern="\*.sdk"' "$prefix/share/mime/packages/$id.xml"

run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/zentaro" "$@"; }
[[ $(run --version) == "Zentaro 1.4" ]] || { echo "--version: $(run --version)"; exit 1; }
run --help | grep -q -- '--version' || { echo "--help does not list --version"; exit 1; }
# Two files are one too many: a usage error, not a start.
status=0
QT_QPA_PLATFORM=offscreen "$prefix/bin/zentaro" a.sdk b.sdk 2>/dev/null || status=$?
[[ $status == 2 ]] || { echo "two files: exit $status, expected 2"; exit 1; }
echo "installed and answered"
