#!/usr/bin/env bash
# Plays the real program on a virtual X screen with a window manager, as a player would:
# play_under_xvfb.sh ZARLIN WATCH_FLASHES
set -euo pipefail
zarlin=$1
watch_flashes=$2

fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/../../scripts/x_session.sh"
x_session_start --window-manager
flashes=$XDG_RUNTIME_DIR/flashes

main_key() {  # main_key KEY: presses a key in the main window
  xdotool windowactivate --sync "$main" key "$1"
}
watch_new_game() {  # starts a new game and prints the colours its first playback flashes
  "$watch_flashes" "$1" > "$flashes" & local watcher=$!
  sleep 0.1
  main_key ctrl+n
  wait "$watcher"
  cat "$flashes"
}

"$zarlin" &
zarlin_pid=$!
x_pids+=("$zarlin_pid")
main=$(x_window Zarlin) || fail "the main window did not appear"

# New Game shows the six buttons with their client areas at their places.
seen=$(watch_new_game 1200)
for place in "White 246 223" "Yellow 191 223" "Red 136 223" "Green 136 152" "Blue 191 152" "Black 245 152"; do
  set -- $place
  id=$(x_window "$1") || fail "no window titled $1 after New Game"
  at=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')
  [ "$at" = "$2 $3" ] || fail "$1 stands at $at, not at $2 $3"
done
[ "$(echo "$seen" | wc -w)" -eq 1 ] || fail "the first round flashed '$seen', not one colour"
echo "round 1 flashed $seen"

# Copying the flash goes on to round 2, which plays two flashes.
"$watch_flashes" 1600 > "$flashes" & watcher=$!
sleep 0.1
x_click "$seen"
wait "$watcher"
round2=$(cat "$flashes")
# The click's own flash, then the two flashes of round 2.
[ "$(echo "$round2" | wc -w)" -eq 3 ] || fail "after a right click the buttons flashed '$(echo $round2)', not the click and two more"
! x_shown "Game Over" >/dev/null || fail "a right click ended the game"
echo "round 2 flashed $(echo $round2)"

# A wrong click ends the game with the game-over notice.
seen=$(watch_new_game 1200)
[ "$(echo "$seen" | wc -w)" -eq 1 ] || fail "the new game flashed '$seen', not one colour"
wrong=White; [ "$seen" = White ] && wrong=Yellow
x_click "$wrong"
x_window "Game Over" >/dev/null || fail "no Game Over notice after a wrong click"
echo "clicking $wrong after $seen: Game Over"

# Ctrl+Q ends the program at once, even in the middle of a playback.
main_key ctrl+n
sleep 0.45
main_key ctrl+q
for _ in $(seq 40); do kill -0 "$zarlin_pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$zarlin_pid" 2>/dev/null && fail "Ctrl+Q did not end the program"
wait "$zarlin_pid" && status=0 || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "the game played as it should under X"
