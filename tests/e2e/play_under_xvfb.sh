#!/usr/bin/env bash
# Plays the real program on a virtual X screen with a window manager, as a player would:
# play_under_xvfb.sh ZARLIN WATCH_FLASHES
set -euo pipefail
zarlin=$1
watch_flashes=$2
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
export XDG_RUNTIME_DIR=$(mktemp -d)

fail() { echo "FAIL: $*" >&2; exit 1; }
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$XDG_RUNTIME_DIR" "/tmp/zarlin-flashes.$$"
}
trap cleanup EXIT

# A screen of our own on a free display number, and a window manager on it.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$displayfile")"
rm -f "$displayfile"
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.05; done

window() {  # window NAME: waits for a shown window of that exact name and prints its id
  for _ in $(seq 100); do
    for id in $(xdotool search --name "^$1\$" 2>/dev/null || true); do
      xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && { echo "$id"; return 0; }
    done
    sleep 0.05
  done
  return 1
}
shown() {  # shown NAME: whether a window of that exact name is on the screen now
  for id in $(xdotool search --name "^$1\$" 2>/dev/null || true); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && return 0
  done
  return 1
}
main_key() {  # main_key KEY: presses a key in the main window
  xdotool windowactivate --sync "$main" key "$1"
}
click() {  # click COLOUR: clicks the middle of a colour button
  case $1 in
    White) xy="270 247" ;; Yellow) xy="215 247" ;; Red) xy="160 247" ;;
    Green) xy="160 176" ;; Blue) xy="215 176" ;; Black) xy="269 176" ;;
  esac
  xdotool mousemove $xy click 1
}
watch_new_game() {  # starts a new game and prints the colours its first playback flashes
  "$watch_flashes" "$1" > /tmp/zarlin-flashes.$$ & local watcher=$!
  sleep 0.1
  main_key ctrl+n
  wait "$watcher"
  cat /tmp/zarlin-flashes.$$
}

"$zarlin" &
zarlin_pid=$!
pids+=("$zarlin_pid")
main=$(window Zarlin) || fail "the main window did not appear"

# New Game shows the six buttons with their client areas at their places.
seen=$(watch_new_game 1200)
for place in "White 246 223" "Yellow 191 223" "Red 136 223" "Green 136 152" "Blue 191 152" "Black 245 152"; do
  set -- $place
  id=$(window "$1") || fail "no window titled $1 after New Game"
  at=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')
  [ "$at" = "$2 $3" ] || fail "$1 stands at $at, not at $2 $3"
done
[ "$(echo "$seen" | wc -w)" -eq 1 ] || fail "the first round flashed '$seen', not one colour"
echo "round 1 flashed $seen"

# Copying the flash goes on to round 2, which plays two flashes.
"$watch_flashes" 1600 > /tmp/zarlin-flashes.$$ & watcher=$!
sleep 0.1
click "$seen"
wait "$watcher"
round2=$(cat /tmp/zarlin-flashes.$$)
# The click's own flash, then the two flashes of round 2.
[ "$(echo "$round2" | wc -w)" -eq 3 ] || fail "after a right click the buttons flashed '$(echo $round2)', not the click and two more"
! shown "Game Over" || fail "a right click ended the game"
echo "round 2 flashed $(echo $round2)"

# A wrong click ends the game with the game-over notice.
seen=$(watch_new_game 1200)
[ "$(echo "$seen" | wc -w)" -eq 1 ] || fail "the new game flashed '$seen', not one colour"
wrong=White; [ "$seen" = White ] && wrong=Yellow
click "$wrong"
window "Game Over" >/dev/null || fail "no Game Over notice after a wrong click"
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
