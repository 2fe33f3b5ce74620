#!/usr/bin/env bash
# Plays the real program on a desktop, as a player would: play_on_a_desktop.sh SESSION ZARLIN
# WATCH_FLASHES. SESSION is openbox (on Xvfb), mutter (GNOME's compositor, headless, where the
# program starts as in a Wayland session), mutter_two_monitors (the same on two monitors side by
# side, the primary on the right) or kwin (KDE's compositor, headless). Only Xvfb's screen can be
# read back, so the game is played by its flashes under openbox only; under every session the
# places of the windows on the primary monitor, their task-bar state, the active window, and
# that no window demands attention are checked.
set -euo pipefail
session=$1
zarlin=$2
watch_flashes=$3

fail() { echo "FAIL ($session): $*" >&2; exit 1; }
source "$(dirname "$0")/../../scripts/x_session.sh"
x_session_start "--$session"
flashes=$XDG_RUNTIME_DIR/flashes

main_key() {  # main_key KEY...: presses keys in the main window, menus by their access keys
  xdotool windowactivate --sync "$main" key --delay 150 "$@"
}
watch_new_game() {  # starts a new game and prints the colours its first playback flashes
  "$watch_flashes" 1 > "$flashes" & local watcher=$!
  sleep 0.1
  main_key ctrl+n
  wait "$watcher" || true
  cat "$flashes"
}
skips_task_bar() { x_states "$(x_window "$1")" | grep -q _NET_WM_STATE_SKIP_TASKBAR; }
# Checks once the window manager has taken each shown button in hand: framed it (its frame
# extents set) and given it a state of its own (WM_STATE), as it does before it would mark it.
no_button_calls_for_attention() {  # no_button_calls_for_attention WHEN
  local colour id handled
  for colour in White Yellow Red Green Blue Black; do
    id=$(x_shown "$colour") || continue
    for _ in $(seq 100); do
      handled=$(xprop -id "$id" _NET_FRAME_EXTENTS WM_STATE 2>/dev/null | grep -c -e '^_NET_FRAME_EXTENTS(CARDINAL) =' -e '^WM_STATE(WM_STATE):')
      [ "$handled" = 2 ] && break
      sleep 0.05
    done
    [ "$handled" = 2 ] || fail "$1: the window manager has not framed $colour"
    ! x_states "$id" | grep -q _NET_WM_STATE_DEMANDS_ATTENTION || fail "$1: $colour demands attention"
  done
}
choose_colours() {  # choose_colours N: sets the number of colours in the options dialog, then OK
  local options x y
  main_key alt+g o
  options=$(x_window "Options for Zarlin")
  skips_task_bar "Options for Zarlin" || fail "the options dialog has a task-bar entry"
  eval "$(xwininfo -id "$options" | awk '/Absolute upper-left X/ {print "x=" $NF} /Absolute upper-left Y/ {print "y=" $NF}')"
  # The option button of N colours, then OK, at their places in the dialog.
  xdotool mousemove $((x + 56)) $((y + 32 + 16 * ($1 - 2))) click 1 sleep 0.2 mousemove $((x + 316)) $((y + 20)) click 1
  for _ in $(seq 40); do x_shown "Options for Zarlin" >/dev/null || break; sleep 0.05; done
}
expect_active() {  # expect_active NAME WHY
  local id
  id=$(x_window "$1")
  for _ in $(seq 40); do [ "$(x_active)" = "$id" ] && return 0; sleep 0.05; done
  fail "$2: the active window is $(xdotool getwindowname "$(x_active)" 2>/dev/null), not $1"
}

# The player chose no platform: under mutter the program must pick X11 by itself.
unset QT_QPA_PLATFORM
"$zarlin" &
zarlin_pid=$!
x_pids+=("$zarlin_pid")
main=$(x_window Zarlin) || fail "the main window did not appear"

client_area() {  # client_area ID: "X Y WIDTH HEIGHT" on the whole desktop
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                           /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}
read -r origin_x origin_y width height < <(x_primary_monitor)

# The main window stands at the centre of the primary monitor, give or take its frame.
read -r x y w h < <(client_area "$main")
off_x=$((x + w / 2 - origin_x - width / 2)) off_y=$((y + h / 2 - origin_y - height / 2))
[ ${off_x#-} -le 40 ] && [ ${off_y#-} -le 60 ] ||
  fail "the main window's centre is $off_x $off_y pixels off the primary monitor's"

# New Game shows the six buttons with their client areas at their places on the primary
# monitor, off the task bar, none calling for attention, Black active.
if [ "$session" = openbox ]; then seen=$(watch_new_game); else main_key ctrl+n; fi
for place in "White 246 223" "Yellow 191 223" "Red 136 223" "Green 136 152" "Blue 191 152" "Black 245 152"; do
  set -- $place
  id=$(x_window "$1") || fail "no window titled $1 after New Game"
  at=$(client_area "$id" | cut -d' ' -f1,2)
  [ "$at" = "$((origin_x + $2)) $((origin_y + $3))" ] || fail "$1 stands at $at, not at $((origin_x + $2)) $((origin_y + $3))"
  skips_task_bar "$1" || fail "$1 has a task-bar entry"
done
expect_active Black "after New Game"
no_button_calls_for_attention "after New Game"
echo "the main window centred and the six buttons at their places on the primary monitor, off the task bar, none calling for attention, Black active"

# The buttons belong to no window: they stay on the screen while another program is active.
x_start xmessage -name other "another program" 2>/dev/null
xdotool windowactivate --sync "$(x_window other)"
sleep 0.5
for colour in White Yellow Red Green Blue Black; do
  x_shown "$colour" >/dev/null || fail "$colour left the screen while another program was active"
done
kill "${x_pids[-1]}"
echo "the six buttons stay while another program is active"

# Show Current Buttons brings a closed button back, and the last one shown is active: Black
# with 6 colours, Green with 5.
wmctrl -i -c "$(x_window White)"
for _ in $(seq 40); do x_shown White >/dev/null || break; sleep 0.05; done
main_key alt+v s
expect_active Black "6 colours, White closed, Show Current Buttons"
skips_task_bar White || fail "White came back with a task-bar entry"
no_button_calls_for_attention "White closed, Show Current Buttons"

choose_colours 5
wmctrl -i -c "$(x_window Yellow)"
for _ in $(seq 40); do x_shown Yellow >/dev/null || break; sleep 0.05; done
main_key alt+v s
expect_active Green "5 colours, Yellow closed, Show Current Buttons"
! x_shown Black >/dev/null || fail "Black is shown with 5 colours"
echo "after Show Current Buttons with a closed button: Black active with 6 colours, Green with 5"

# A button that another program destroys comes back like one closed by its close box.
xdotool windowclose "$(x_window Red)"
for _ in $(seq 40); do x_shown Red >/dev/null || break; sleep 0.05; done
main_key alt+v r
x_window Red >/dev/null || fail "Red did not come back after another program destroyed it"
[ "$(client_area "$(x_window Red)" | cut -d' ' -f1,2)" = "$((origin_x + 136)) $((origin_y + 223))" ] ||
  fail "Red came back away from its place"
echo "a button destroyed by another program comes back at its place"

if [ "$session" = openbox ]; then
  choose_colours 6

  # Copying the flash goes on to round 2, which plays two flashes.
  seen=$(watch_new_game)
  [ "$(echo "$seen" | wc -w)" -eq 1 ] || fail "the first round flashed '$seen', not one colour"
  "$watch_flashes" 3 > "$flashes" & watcher=$!
  sleep 0.1
  x_click "$seen"
  wait "$watcher" || true
  round2=$(cat "$flashes")
  # The click's own flash, then the two flashes of round 2.
  [ "$(echo "$round2" | wc -w)" -eq 3 ] || fail "after a right click the buttons flashed '$(echo $round2)', not the click and two more"
  ! x_shown "Game Over" >/dev/null || fail "a right click ended the game"
  no_button_calls_for_attention "round 2"
  echo "round 1 flashed $seen, round 2 $(echo $round2)"

  # Two rounds played with the keys alone, each colour by its number, in whichever game window
  # is active (Black, the last one shown).
  number_of() { case $1 in White) echo 1 ;; Yellow) echo 2 ;; Red) echo 3 ;; Green) echo 4 ;; Blue) echo 5 ;; Black) echo 6 ;; esac; }
  press_keys() { local colour; for colour in "$@"; do xdotool key "$(number_of "$colour")"; sleep 0.3; done; }
  seen=$(watch_new_game)
  "$watch_flashes" 3 > "$flashes" & watcher=$!
  sleep 0.1
  press_keys $seen
  wait "$watcher" || true
  set -- $(cat "$flashes")
  [ $# -eq 3 ] && [ "$1" = "$seen" ] || fail "after the key of $seen the buttons flashed '$*', not $seen and two more"
  round2="$2 $3"
  "$watch_flashes" 5 > "$flashes" & watcher=$!
  sleep 0.1
  press_keys $round2
  wait "$watcher" || true
  set -- $(cat "$flashes")
  [ "$1 $2" = "$round2" ] && [ $# -eq 5 ] || fail "after the keys of $round2 the buttons flashed '$*', not those two and the three of round 3"
  ! x_shown "Game Over" >/dev/null || fail "the keys of the right colours ended the game"
  echo "with the keys alone: round 1 $seen, round 2 $round2, round 3 $3 $4 $5"

  # A wrong click ends the game with the game-over notice, which has a task-bar entry.
  seen=$(watch_new_game)
  [ "$(echo "$seen" | wc -w)" -eq 1 ] || fail "the new game flashed '$seen', not one colour"
  wrong=White; [ "$seen" = White ] && wrong=Yellow
  x_click "$wrong"
  x_window "Game Over" >/dev/null || fail "no Game Over notice after a wrong click"
  ! skips_task_bar "Game Over" || fail "the Game Over notice has no task-bar entry"
  echo "clicking $wrong after $seen: Game Over"
fi

# Ctrl+Q ends the program at once, even in the middle of a playback.
main_key ctrl+n
sleep 0.45
main_key ctrl+q
for _ in $(seq 40); do kill -0 "$zarlin_pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$zarlin_pid" 2>/dev/null && fail "Ctrl+Q did not end the program"
wait "$zarlin_pid" && status=0 || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "the game played as it should under $session"
