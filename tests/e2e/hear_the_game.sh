#!/usr/bin/env bash
# Plays the real program under openbox with a real sound server of its own, and listens to the
# server's mix: hear_the_game.sh SERVER ZARLIN WATCH_FLASHES HEAR_TONES, SERVER pulseaudio or
# pipewire. Three rounds played with the keys must be heard flash for flash, each colour at its
# own pitch; Ctrl+M silences the game and brings it back; the game over sounds its low tone.
# The desktop's mixer must find the stream by the game's name and role, and once the game is
# quiet the sink must be let sleep.
set -Eeuo pipefail
trap 'echo "FAIL ($server): stopped at line $LINENO: $BASH_COMMAND" >&2' ERR
server=$1
zarlin=$2
watch_flashes=$3
hear_tones=$4

fail() {
  echo "FAIL ($server): $*" >&2
  tail -n 5 "$XDG_RUNTIME_DIR/$server.log" >&2
  exit 1
}
source "$(dirname "$0")/../../scripts/x_session.sh"
source "$(dirname "$0")/../../scripts/sound_server.sh"
x_session_start --openbox
sound_server_start "$server"
flashes=$XDG_RUNTIME_DIR/flashes
recording=$XDG_RUNTIME_DIR/mix.raw

# The mix, from before the game starts; the monitor may send nothing for a while at first.
x_start parec -d nul.monitor --format=s16le --rate=48000 --channels=1 --latency-msec=20 --raw "$recording"
recorder=${x_pids[-1]}
for _ in $(seq 200); do [ -s "$recording" ] && break; sleep 0.05; done
[ -s "$recording" ] || fail "the null sink's monitor sent nothing"

"$zarlin" &
x_pids+=($!)
main=$(x_window Zarlin) || fail "the main window did not appear"

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

# Three rounds, heard; then the fourth's keys and the fifth's playback, silenced.
"$watch_flashes" 1 > "$flashes" & watcher=$!
sleep 0.1
keys ctrl+n
wait "$watcher" || fail "no flash after New Game"
heard_flashes=$(cat "$flashes")
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

kill "$recorder"
heard=$("$hear_tones" "$recording" | cut -d' ' -f1)
expected="$(echo $heard_flashes) low"
[ "$(echo $heard)" = "$expected" ] || fail "heard '$(echo $heard)', not the flashes and the game over: '$expected'"
echo "heard $(echo $heard_flashes | wc -w) flashes at their pitches, nothing while muted, and the low tone of the game over"

# Quiet, the game lets the sink sleep.
for _ in $(seq 200); do [ "$(sound_server_sink_state)" = SUSPENDED ] && break; sleep 0.05; done
[ "$(sound_server_sink_state)" = SUSPENDED ] || fail "the sink is $(sound_server_sink_state), not suspended, with the game quiet: $(pactl list sink-inputs; pactl list source-outputs)"
echo "the game sounded right under $server"
