#!/usr/bin/env bash
# Starts the real game on a virtual X screen with a window manager, opens every window a player
# can see, and writes a screenshot of each into one folder: scripts/screenshots.sh [FOLDER
# [BUILD]], by default docs/screenshots from the build in build/. The win takes a game of 128
# colours played back right, so the whole takes about a minute and a half. In another language
# (LANGUAGE=de scripts/screenshots.sh) only the main window and the options dialog are taken, as
# main_de.png and options_de.png, the menu opened from the keyboard whatever its access keys.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshots}
build=${2:-build}
zarlin=$build/app/zarlin
watch_flashes=$build/tests/watch_flashes
[ -x "$zarlin" ] && [ -x "$watch_flashes" ] || { echo "Build Zarlin first: scripts/build.sh $build" >&2; exit 1; }
language=${LANGUAGE:-}
language=${language%%:*}
case $language in en*) language= ;; esac
# In English the windows are found by their English captions, whatever LANG says.
[ -n "$language" ] || export LANGUAGE=en
mkdir -p "$out"
source scripts/x_session.sh
x_session_start --openbox

shoot() {  # shoot NAME FILE: a screenshot of one window with its frame
  shoot_window "$(x_window "$1")" "$2"
}
shoot_window() {  # shoot_window ID FILE
  sleep 0.3
  import -frame -window "$1" "$out/$2.png"
  echo "$out/$2.png"
}
keys() {  # keys KEYS...: types keys into the main window, menus by their access keys
  xdotool windowactivate --sync "$main" >/dev/null
  xdotool key --delay 120 "$@"
}
close() { xdotool windowclose "$(x_window "$1")"; sleep 0.2; }

"$zarlin" &
x_pids+=($!)
main=$(x_window Zarlin)

# A game: the main window.
"$watch_flashes" 1 > "$XDG_RUNTIME_DIR/first" &
keys ctrl+n
wait $!
if [ -n "$language" ]; then
  shoot Zarlin "main_$language"
  keys alt Right Right Down Return  # Game, Options
  for _ in $(seq 100); do
    options=$(xdotool getactivewindow)
    [ "$options" != "$main" ] && break
    sleep 0.05
  done
  shoot_window "$options" "options_$language"
  exit 0
fi
shoot Zarlin main

# A wrong click: the game-over notice.
wrong=White; [ "$(cat "$XDG_RUNTIME_DIR/first")" = White ] && wrong=Yellow
x_click "$wrong"
shoot "Game Over" game_over
close "Game Over"

# The options dialog, then a game of 128 colours played back right: the win notice.
keys alt+g o
options=$(x_window "Options for Zarlin")
eval "$(xwininfo -id "$options" | awk '/Absolute upper-left X/ {print "x=" $NF} /Absolute upper-left Y/ {print "y=" $NF}')"
shoot "Options for Zarlin" options
xdotool mousemove $((x + 240)) $((y + 52)) click --repeat 3 1 type "128"
xdotool mousemove $((x + 240)) $((y + 84)) click --repeat 3 1 type "60"
xdotool mousemove $((x + 316)) $((y + 20)) click 1
sleep 0.3
"$watch_flashes" 128 > "$XDG_RUNTIME_DIR/sequence" &
keys ctrl+n
# The six buttons while one flashes: most of the time during this playback, one does.
sleep 3
import -window root -crop 190x150+120+125 +repage "$out/buttons.png"
echo "$out/buttons.png"
wait $!
for colour in $(cat "$XDG_RUNTIME_DIR/sequence"); do
  x_click "$colour"
  sleep 0.23
done
shoot "You Win" win

# The information dialogs.
for dialog in "alt+i r:Rules:rules" "alt+i a z:About Zarlin:about_zarlin" \
              "alt+i a q:About Quorvel Software:about_quorvel" "alt+i a a:About Author:about_author" \
              "alt+i l:License:license"; do
  IFS=: read -r shortcut name file <<<"$dialog"
  keys $shortcut
  shoot "$name" "$file"
  close "$name"
done
