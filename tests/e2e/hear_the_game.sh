#!/usr/bin/env bash
# Plays the real program under openbox with a real sound server of its own, and listens to the
# server's mix: hear_the_game.sh SERVER ZARLIN WATCH_FLASHES HEAR_TONES, SERVER pulseaudio,
# pipewire, or pipewire-QUANTUM for PipeWire's graph forced to that many samples a cycle. Three
# rounds played with the keys must be heard flash for flash, each colour at its own pitch; Ctrl+M
# silences the game and brings it back; the game over sounds its low tone, and nothing clicks.
# The desktop's mixer must find the stream by the game's name and role, the sink must keep a
# latency of its own while the game sounds, and once the game is quiet the sink must be let
# sleep. Under PipeWire a fast playback, each tone cut by the next, must not click either; and
# first, with no server at all, the game must play on, say so once, and never look for the
# server on the thread that paints its windows.
set -Eeuo pipefail
name=$1
trap 'echo "FAIL ($name): stopped at line $LINENO: $BASH_COMMAND" >&2' ERR
server=${1%%-*}
quantum=${1#"$server"}; quantum=${quantum#-}
zarlin=$2
watch_flashes=$3
hear_tones=$4

fail() {
  echo "FAIL ($name): $*" >&2
  tail -n 5 "$XDG_RUNTIME_DIR/$server.log" >&2 2>/dev/null || true
  exit 1
}
source "$(dirname "$0")/../../scripts/x_session.sh"
source "$(dirname "$0")/../../scripts/sound_server.sh"
x_session_start --openbox
flashes=$XDG_RUNTIME_DIR/flashes
recording=$XDG_RUNTIME_DIR/mix.raw

number_of() { case $1 in White) echo 1 ;; Yellow) echo 2 ;; Red) echo 3 ;; Green) echo 4 ;; Blue) echo 5 ;; Black) echo 6 ;; esac; }
keys() { local key; for key in "$@"; do xdotool windowactivate --sync "$main" key "$key"; sleep 0.3; done; }
# play ROUND_COLOURS... FLASHES: presses the colours' keys and prints every flash they bring,
# the echoes of the keys and the next round's playback.
play() {
  local colour wanted=${!#} numbers=()
  for colour in "${@:1:$#-1}"; do numbers+=("$(number_of "$colour")"); done
  "$watch_flashes" "$wanted" > "$flashes" & local watcher=$!
  sleep 0.1
  keys ${numbers[@]+"${numbers[@]}"}
  wait "$watcher" || fail "not $wanted flashes after the keys ${numbers[*]:-}"
  cat "$flashes"
}

# record FILE: records the mix from now on. The recorder asks for a latency above the game's,
# so that the sink keeps the game's own; the monitor may send nothing for a while at first.
record() {
  x_start parec -d nul.monitor --format=s16le --rate=48000 --channels=1 --latency-msec=200 --raw "$1"
  recorder=${x_pids[-1]}
  for _ in $(seq 200); do [ -s "$1" ] && break; sleep 0.05; done
  [ -s "$1" ] || fail "the null sink's monitor sent nothing"
}
# no_click FILE WHAT: the recorded mix never steps by more than a tenth of full scale.
no_click() {
  local step holes
  read -r step holes < <("$hear_tones" --largest-step "$1")
  awk "BEGIN {exit !($step <= 0.1)}" || fail "$2 clicks: the mix steps by $step of full scale"
  echo "$2: largest step $step of full scale; $holes holes of PipeWire's in a tone"
}
if [ "$server" = pulseaudio ]; then
  # No server: two games, and the thread that paints the windows neither loads the module nor
  # reads libpulse's configuration nor opens its socket, while libpulse's thread does. Then the
  # server starts, and the next New Game finds it.
  trace=$XDG_RUNTIME_DIR/trace
  x_start strace -f -qq -e trace=openat,connect -o "$trace" "$zarlin" 2>"$XDG_RUNTIME_DIR/silent"
  main=$(x_window Zarlin) || fail "the main window did not appear"
  for _ in 1 2; do
    "$watch_flashes" 1 >/dev/null & watcher=$!
    sleep 0.1
    keys ctrl+n
    wait "$watcher" || fail "no flash after New Game without a server"
    sleep 1.2
  done
  sound_server_start "$server"
  keys ctrl+n
  for _ in $(seq 50); do pactl list sink-inputs | grep -q 'application.name = "Zarlin"' && break; sleep 0.1; done
  pactl list sink-inputs | grep -q 'application.name = "Zarlin"' || fail "New Game did not find the server started since"
  kill "$(head -n 1 "$trace" | cut -d' ' -f1)"
  sleep 0.5
  [ "$(grep -c 'playing without sound' "$XDG_RUNTIME_DIR/silent")" = 1 ] ||
    fail "without a server the game does not say so in one line: $(cat "$XDG_RUNTIME_DIR/silent")"
  server_work='(openat|connect)\(.*(pulse|games/zarlin)'
  main_thread=$(head -n 1 "$trace" | cut -d' ' -f1)
  [ "$(grep -E "$server_work" "$trace" | grep -c "^$main_thread ")" = 0 ] ||
    fail "the user-interface thread works with the sound server: $(grep -E "$server_work" "$trace" | grep "^$main_thread " | head -n 3)"
  grep -qE 'connect\(.*pulse/native' "$trace" || fail "no thread looked for the sound server"
  echo "without a server: one line, nothing of the server on the user-interface thread, and found at New Game once started"
else
  sound_server_start "$server"
fi
if [ -n "$quantum" ]; then
  pw-metadata -n settings 0 clock.max-quantum "$quantum" >/dev/null
  pw-metadata -n settings 0 clock.force-quantum "$quantum" >/dev/null
  forced=$(pw-metadata -n settings 0 clock.force-quantum | sed -n "s/.*value:'\([0-9]*\)'.*/\1/p")
  [ "$forced" = "$quantum" ] || fail "PipeWire's quantum is forced to '$forced', not $quantum"
fi
record "$recording"
"$zarlin" &
x_pids+=($!)
main=$(x_window Zarlin) || fail "the main window did not appear"
# The sink's state and configured latency, in microseconds, every tenth of a second.
sink_log=$XDG_RUNTIME_DIR/sink
x_start sh -c "while :; do pactl list sinks | awk '/State:/ {s = \$2} /configured/ {print s, \$(NF - 1)}'; sleep 0.1; done" >"$sink_log"
sampler=${x_pids[-1]}

# Three rounds, heard; then the fourth's keys and the fifth's playback, silenced.
"$watch_flashes" 1 > "$flashes" & watcher=$!
sleep 0.1
keys ctrl+n
wait "$watcher" || fail "no flash after New Game"
heard_flashes=$(cat "$flashes")
if [ -n "$quantum" ]; then
  running=$(sound_server_quanta 1 | sort -u | tr '\n' ' ')
  [ "$running" = "$quantum " ] || fail "PipeWire's graph runs at quanta of '$running', not $quantum"
  echo "PipeWire's graph runs at a quantum of $running"
fi
round=$heard_flashes
for n in 2 3 4; do
  seen=$(play $round $((2 * n - 1)))
  heard_flashes="$heard_flashes $seen"
  round=$(echo $seen | cut -d' ' -f$n-)
done
sleep 0.5
keys ctrl+m
play $round 9 >/dev/null
keys ctrl+m
# A wrong key: its echo is cut at once by the game-over tone.
right=$(echo $round | cut -d' ' -f1); wrong=White; [ "$right" = White ] && wrong=Yellow
keys "$(number_of "$wrong")"
x_window "Game Over" >/dev/null || fail "no Game Over after a wrong key"
sleep 1

# The mixer lists the stream by the game's name, icon and role.
inputs=$(pactl list sink-inputs)
for property in 'application.name = "Zarlin"' 'application.icon_name = "org.example.Zarlin"' 'media.role = "game"'; do
  grep -qF "$property" <<<"$inputs" || fail "the game's stream has no $property: $inputs"
done

kill "$recorder" "$sampler"
heard=$("$hear_tones" "$recording" | cut -d' ' -f1)
# The wrong key's own tone sounds until the notice is up, which may be long enough to be named.
expected="$(echo $heard_flashes) low"
[ "$(echo $heard)" = "$expected" ] || [ "$(echo $heard)" = "$(echo $heard_flashes) $wrong low" ] || fail "heard '$(echo $heard)', not the flashes and the game over: '$expected'"
echo "heard $(echo $heard_flashes | wc -w) flashes at their pitches, nothing while muted, and the low tone of the game over"
# PulseAudio plays a cut at once by rewinding into what the sink holds, which no recording of
# the sink's monitor shows: there the recording loses the rewritten samples. PipeWire writes at
# what it has read, so its mix shows every cut as it sounds, at its default quantum.
[ "$name" != pipewire ] || no_click "$recording" "the game, its wrong key cut by the game over,"
if [ "$server" = pulseaudio ]; then
  grep -q '^RUNNING' "$sink_log" || fail "the sink never ran while the game sounded"
  least=$(awk '$1 == "RUNNING" {print $2}' "$sink_log" | sort -n | head -n 1)
  [ "$least" -ge 20000 ] || fail "the sink ran at $least usec while the game sounded, not 20 ms or more"
  echo "the sink kept $least usec or more while the game sounded"
fi

# Quiet, the game lets the sink sleep.
for _ in $(seq 200); do [ "$(sound_server_sink_state)" = SUSPENDED ] && break; sleep 0.05; done
[ "$(sound_server_sink_state)" = SUSPENDED ] || fail "the sink is $(sound_server_sink_state), not suspended, with the game quiet: $(pactl list sink-inputs; pactl list source-outputs)"

if [ "$name" = pipewire ]; then
  # A fast playback: 24 colours at Delay -150, a flash every 50 ms, each tone cut by the next.
  keys alt+g o
  options=$(x_window "Options for Zarlin")
  eval "$(xwininfo -id "$options" | awk '/Absolute upper-left X/ {print "x=" $NF} /Absolute upper-left Y/ {print "y=" $NF}')"
  xdotool mousemove $((x + 240)) $((y + 52)) click --repeat 3 1 type "24"
  xdotool mousemove $((x + 240)) $((y + 84)) click --repeat 3 1 type -- "-150"
  xdotool mousemove $((x + 316)) $((y + 20)) click 1
  sleep 0.3
  record "$XDG_RUNTIME_DIR/fast.raw"
  "$watch_flashes" 1 >/dev/null & watcher=$!
  sleep 0.1
  keys ctrl+n
  wait "$watcher" || fail "no flash in the fast playback"
  sleep 1.5  # the playback's 24 flashes, too quick to watch one by one
  kill "$recorder"
  no_click "$XDG_RUNTIME_DIR/fast.raw" "a fast playback"
fi
echo "the game sounded right under $name"
