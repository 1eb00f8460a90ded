#!/usr/bin/env bash
# Counts a large generated collection with zentaro-cli and prints the peak
# memory of the run, to show that input is streamed rather than loaded.
# Usage: scripts/cli-memory-check.sh [MEGABYTES] [CLI]   (default 1024 MB)
set -euo pipefail

megabytes=${1:-1024}
cli=${2:-build/release/src/cli/zentaro-cli}
[[ -x $cli ]] || cli=build/src/cli/zentaro-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One easy puzzle repeated: the point is the size, not the solving.
line='53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79'
printf '%s\n' "$line" > "$work/chunk"
for _ in $(seq 1 14); do cat "$work/chunk" "$work/chunk" > "$work/next"; mv "$work/next" "$work/chunk"; done
target=$((megabytes * 1024 * 1024))
: > "$work/big.txt"
while (( $(stat -c %s "$work/big.txt") < target )); do cat "$work/chunk" >> "$work/big.txt"; done

echo "input: $(stat -c %s "$work/big.txt") bytes" >&2
/usr/bin/time -f 'peak RSS: %M KiB, %e s' "$cli" count "$work/big.txt" | tail -n 1 >/dev/null
