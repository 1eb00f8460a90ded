#!/usr/bin/env bash
# Kills the program in the middle of a game and starts it again: answered
# Yes, the game must come back with every digit and pencil mark.
#   scripts/kept-game-check.sh [PROGRAM]   (default build/release/src/ui/zentaro)
# Runs the program on a virtual X server, with settings and data in a
# temporary home, and plays it with xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/release/src/ui/zentaro}")

if [[ -z ${ZENTARO_UNDER_XVFB:-} ]]; then
  ZENTARO_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program"
fi

home=$(mktemp -d)
pid=
cleanup() {
  if [[ -n $pid ]]; then
    { kill -9 "$pid" && wait "$pid"; } 2>/dev/null || true
  fi
  rm -rf "$home"
}
trap cleanup EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data
unset QT_QPA_PLATFORM
kept=$XDG_DATA_HOME/LomerinSoftware/Sudoku/kept-game.txt

fail() {
  echo "kept-game check: $*" >&2
  exit 1
}

# Waits up to $2 seconds for the test $1 to hold.
wait_for() {
  local tries=$(($2 * 10))
  while ((tries-- > 0)); do
    if eval "$1"; then return 0; fi
    sleep 0.1
  done
  return 1
}

# The visible window whose title holds $1, focused.
focus() {
  local id
  wait_for "xdotool search --onlyvisible --name '$1' >/dev/null 2>&1" 30 || fail "no window '$1'"
  id=$(xdotool search --onlyvisible --name "$1" | tail -1)
  xdotool windowfocus --sync "$id"
}

game_part() { sed -n '/^\[Game\]/,$p' "$1"; }

# First run: the level dialog comes up by itself; the generated puzzle is
# kept at once, being unsaved.
"$program" >/dev/null 2>&1 &
pid=$!
focus "Generate a new puzzle"
xdotool key Return
wait_for "[[ -s '$kept' ]]" 60 || fail "no game kept after generating"

focus "Zentaro"
xdotool key ctrl+m  # every candidate as pencil marks
xdotool key Right   # selects A1
for digit in 3 7 1 9 4 2 8 5 6 1 3; do
  xdotool key Right "$digit"
done
# The marks of a cell, and one of its digits cleared again.
xdotool key Right Right space
wait_for "grep -q '^\[State\]' '$kept' && grep -q '^\[PencilMarks\]' '$kept'" 10 ||
  fail "digits and marks never reached the kept game"
sleep 0.5
game_part "$kept" >"$home/before"
{ kill -9 "$pid" && wait "$pid"; } 2>/dev/null || true
pid=

# Second run: the question comes first; Yes brings the game back, and the
# program keeps it again at once (the old copy is dated back to tell).
touch -d '2000-01-01' "$kept"
"$program" >/dev/null 2>&1 &
pid=$!
focus "Confirmation"
xdotool key Return
wait_for "[[ '$kept' -nt '$home/before' ]]" 30 || fail "the game did not come back"
sleep 0.5
game_part "$kept" >"$home/after"
diff -u "$home/before" "$home/after" || fail "the board came back different"
echo "kept-game check: the game came back with every digit and mark"
