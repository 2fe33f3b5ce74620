#!/usr/bin/env bash
# Starts the real game on a virtual X screen with a window manager, opens every window a player
# can see, and writes a screenshot of each into one folder: scripts/screenshots.sh [FOLDER].
# Needs a build (scripts/build.sh build). The win takes a game of 128 colours played back
# right, so the whole takes about a minute and a half.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshots}
zarlin=build/app/zarlin
watch_flashes=build/tests/watch_flashes
[ -x "$zarlin" ] && [ -x "$watch_flashes" ] || { echo "Build Zarlin first: scripts/build.sh build" >&2; exit 1; }
mkdir -p "$out"
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
pids=()
stop() {  # the game first, the screen last
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; wait "${pids[i]}" 2>/dev/null || true; done
  rm -rf "$XDG_RUNTIME_DIR"
}
trap stop EXIT

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
  echo "no window named $1" >&2
  return 1
}
shoot() {  # shoot NAME FILE: a screenshot of one window with its frame
  sleep 0.3
  import -frame -window "$(window "$1")" "$out/$2.png"
  echo "$out/$2.png"
}
command() {  # command KEYS...: types keys into the main window, menus by their access keys
  xdotool windowactivate --sync "$main" >/dev/null
  xdotool key --delay 120 "$@"
}
close() { xdotool windowclose "$(window "$1")"; sleep 0.2; }
click() {  # click COLOUR: clicks the middle of a colour button at its place
  case $1 in
    White) xy="270 247" ;; Yellow) xy="215 247" ;; Red) xy="160 247" ;;
    Green) xy="160 176" ;; Blue) xy="215 176" ;; Black) xy="269 176" ;;
  esac
  xdotool mousemove $xy click 1
}

"$zarlin" &
pids+=($!)
main=$(window Zarlin)

# A game: the main window.
"$watch_flashes" 900 > "$XDG_RUNTIME_DIR/first" &
command ctrl+n
wait $!
shoot Zarlin main

# A wrong click: the game-over notice.
wrong=White; [ "$(cat "$XDG_RUNTIME_DIR/first")" = White ] && wrong=Yellow
click "$wrong"
shoot "Game Over" game_over
close "Game Over"

# The options dialog, then a game of 128 colours played back right: the win notice.
command alt+g o
options=$(window "Options for Zarlin")
eval "$(xwininfo -id "$options" | awk '/Absolute upper-left X/ {print "x=" $NF} /Absolute upper-left Y/ {print "y=" $NF}')"
shoot "Options for Zarlin" options
xdotool mousemove $((x + 240)) $((y + 52)) click --repeat 3 1 type "128"
xdotool mousemove $((x + 240)) $((y + 84)) click --repeat 3 1 type "60"
xdotool mousemove $((x + 316)) $((y + 20)) click 1
sleep 0.3
"$watch_flashes" 34500 > "$XDG_RUNTIME_DIR/sequence" &
command ctrl+n
# The six buttons while one flashes: most of the time during this playback, one does.
sleep 3
import -window root -crop 190x150+120+125 +repage "$out/buttons.png"
echo "$out/buttons.png"
wait $!
for colour in $(cat "$XDG_RUNTIME_DIR/sequence"); do
  click "$colour"
  sleep 0.23
done
shoot "You Win" win

# The information dialogs.
for dialog in "alt+i r:Rules:rules" "alt+i a z:About Zarlin:about_zarlin" \
              "alt+i a q:About Quorvel Software:about_quorvel" "alt+i a a:About Author:about_author" \
              "alt+i l:License:license"; do
  IFS=: read -r keys name file <<<"$dialog"
  command $keys
  shoot "$name" "$file"
  close "$name"
done
