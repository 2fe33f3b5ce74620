#!/usr/bin/env bash
# Zarlin's benchmarks: playback timing and the CPU it costs (beside the portable timer that
# spins out its last millisecond), click response, start-up and memory against the floor of any
# Qt program, idle cost and engine throughput. Prints one Markdown table, also written to
# build-bench/table.md: scripts/bench.sh. Every process it starts ends with it, Ctrl+C included.
set -euo pipefail
cd "$(dirname "$0")/.."
# What this run started that still runs, the bench itself aside: every process it starts carries
# ZARLIN_BENCH_RUN in its environment, and one that outlived its parent is no longer below us.
export ZARLIN_BENCH_RUN=$$
left_running() {
  local marked
  marked=$(grep -lsza "^ZARLIN_BENCH_RUN=$$\$" /proc/[0-9]*/environ | cut -d/ -f3 | tr '\n' ' ')
  ps -e -o pid=,ppid=,comm= | awk -v self=$$ -v marked="$marked" '
    { parent[$1] = $2; name[$1] = $3 }
    END {
      split(marked, pids, " ")
      for (i in pids) {
        p = pids[i]; q = p
        while (q > 1 && q != self) q = parent[q]
        if (q != self && p in name) printf "%s(%s) ", name[p], p
      }
    }'
}
# The game in English, whatever the desktop's language: windows are found by their captions.
export LANGUAGE=en
scripts/install.sh bench
scripts/build.sh build-bench -DCMAKE_BUILD_TYPE=Release -DZARLIN_BENCH=ON >/dev/null
cmake -S . -B build-bench-spin -G Ninja -DCMAKE_BUILD_TYPE=Release -DZARLIN_BENCH=ON \
  -DZARLIN_SPIN_TIMER=ON >/dev/null
cmake --build build-bench-spin --target bench_zarlin >/dev/null
bench=build-bench/bench
zarlin=build-bench/app/zarlin
# An X screen of our own, without a window manager, so the first window mapped is the program's.
source scripts/x_session.sh
x_session_start

table=build-bench/table.md
row() { printf '| %s | %s | %s | %s | %s |\n' "$@" | tee -a "$table"; }
stats() {  # stats: median and worst of the numbers on standard input
  sort -g | awk '{v[NR] = $1} END {printf "%.2f %.2f\n", v[int((NR + 1) / 2)], v[NR]}'
}
bench_rows() {  # bench_rows LABEL TARGET ARGS...: one row per figure that bench_zarlin prints
  local label=$1 target=$2; shift 2
  "${bench_zarlin:-$bench/bench_zarlin}" "$@" 2>/dev/null | while IFS='|' read -r figure median p99 worst unit; do
    row "$label: $figure" "$median $unit" "$p99 $unit" "$worst $unit" "$target"
  done
}
busy_core() { x_start sh -c 'while :; do :; done'; busy=${x_pids[-1]}; }

: > "$table"
echo "Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null), $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores, $(date -u +%F)" | tee -a "$table"
echo | tee -a "$table"
row "figure" "median" "99th percentile" "worst" "target"
row "---" "---" "---" "---" "---"

# 1. Playback timing, three rounds each, idle and with the other core kept busy; and the floor
# under it, how late this machine's kernel wakes a bare timer.
bench_rows "kernel, idle" "" kernel-wake 200
for load in idle busy; do
  [ $load = busy ] && busy_core
  target="p99 onset $([ $load = idle ] && echo 0.2 || echo 0.5) ms, drift 0.2 ms"
  bench_rows "playback 400 ms, 16 flashes, $load" "$target" playback 200 16 3
  bench_rows "playback 50 ms, 128 flashes, $load" "$target" playback -150 128 3
  [ $load = busy ] && { kill $busy; wait $busy 2>/dev/null || true; }
done

# The CPU a playback of 128 colours costs, on the kernel-woken timer and on the spinning one;
# and sounding each flash through a PulseAudio server of the bench's own, against silence.
for timer in kernel spin; do
  bench_zarlin=$bench/bench_zarlin
  [ $timer = spin ] && bench_zarlin=build-bench-spin/bench/bench_zarlin
  bench_rows "$timer timer, 128 flashes at 400 ms" "kernel: at most 218 ms in all" playback-cpu 200 128
  bench_rows "$timer timer, 128 flashes at 1 ms" "no core at 100 %" playback-cpu -199 128
done
unset bench_zarlin
source scripts/sound_server.sh
sound_server_start pulseaudio >/dev/null
server=${x_pids[-1]}
# The sink's configured latency (microseconds) while something plays: a long tone of paplay's
# alone, then the lowest it ran at while the rows in between sounded.
configured() { pactl list sinks | awk '/State:/ {s = $2} /configured/ {print s, $(NF - 1)}'; }
watch_sink() { x_start sh -c "while :; do $(declare -f configured); configured; sleep 0.1; done" >"$1"; }
lowest_running() { awk '$1 == "RUNNING" {print $2 / 1000}' "$1" | sort -g | head -n 1; }
x_start paplay --raw --format=s16le --rate=48000 --channels=1 /dev/zero
beside=${x_pids[-1]}
sleep 1
row "the sink's configured latency under paplay alone" "$(configured | awk '{print $2 / 1000}') ms" "" "" ""
# The server's own CPU (ticks of 10 ms, from /proc) over the same playback silent and sounding,
# paplay's stream playing beside it: every rewind mixes that stream again. Nothing asks the server
# anything meanwhile: pactl every tenth of a second costs it some 30 ticks over a playback.
server_ticks() { awk '{print $14 + $15}' "/proc/$server/stat"; }
sink_log=$(mktemp)
# Three rounds, silent and sounding in turn, so that the machine's noise falls on both alike.
declare -A cpu ticks
for _ in 1 2 3; do
  for kind in silent sound; do
    before=$(server_ticks)
    cpu[$kind]+="$("$bench/bench_zarlin" playback-cpu 200 128 ${kind/silent/} 2>/dev/null | awk -F'|' '/CPU of the playback/ {print $2}') "
    ticks[$kind]+="$(( $(server_ticks) - before )) "
  done
done
kill -- "-$beside"
declare -A median_cpu
for kind in silent sound; do
  read -r median worst < <(tr ' ' '\n' <<<"${cpu[$kind]}" | grep . | stats)
  median_cpu[$kind]=$median
  row "kernel timer, 128 flashes at 400 ms, $kind, server running, 3 runs: CPU of the playback" "$median ms" "" "$worst ms" ""
  read -r median worst < <(tr ' ' '\n' <<<"${ticks[$kind]}" | grep . | stats)
  row "the sound server's CPU over that playback, $kind, a second stream beside it" "$median ticks" "" "$worst ticks" ""
done
row "CPU of a playback, sounding / silent, server running" "$(awk "BEGIN {printf \"%.2f\", ${median_cpu[sound]} / ${median_cpu[silent]}}")" "" "" "1.5"
# When each flash's tone is heard on the server's mix, recorded from the null sink's monitor,
# against the flash's own time: apart, and cutting the one before.
onset_rows() {  # onset_rows SERVER GOAL: the tone's onset apart and cutting another, the sink's pace beside
  watch_sink "$sink_log"
  [ "$1" = PipeWire ] && x_start bash -c "$(declare -f sound_server_quanta); sound_server_quanta 20" >"$quanta_log"
  bench_rows "$1, 16 flashes at 400 ms, 4 times" "$2" tone-onset 200 16 4
  bench_rows "$1, a tone cut by the next (delay 0), 32 times" "$2" tone-onset 0 2 32
  bench_rows "$1, 4 flashes at 1.4 s, twice" "$2" tone-onset 1200 4 2
  bench_rows "$1, a tone as the silence after the last one ends (delay 38), 24 times" "$2" tone-onset 38 2 24
  if [ "$1" = PipeWire ]; then
    kill -- "-${x_pids[-2]}"
    # PipeWire's server reports no configured latency of its sink: its graph's cycle instead.
    row "$1: the graph's quantum during those rows" "$(sort -n "$quanta_log" | uniq -c | awk '{printf "%s%s frames in %s cycles", sep, $2, $1; sep = ", "}')" "" "" ""
  else
    kill -- "-${x_pids[-1]}"
    row "$1: the sink's configured latency during those rows" "$(lowest_running "$sink_log") ms" "" "" "20 ms or more"
  fi
}
quanta_log=$(mktemp)
onset_rows PulseAudio "p99 10 ms"

# 2. Click response, offscreen and on the X server.
QT_QPA_PLATFORM=offscreen bench_rows "clicks offscreen" "p99 under 1 ms" clicks 10000
bench_rows "clicks on Xvfb" "worst within 16.7 ms" clicks 10000

# 3. Start-up to the first window mapped, and resident memory, programs taking turns: the game in
# English, in German and in Arabic (their catalogues loaded, Arabic mirrored), and the floor.
launches=("zarlin|LANG=C.UTF-8|$zarlin" "zarlin, LANG=de_DE.UTF-8|LANG=de_DE.UTF-8|$zarlin"
          "zarlin, LANG=ar_EG.UTF-8|LANG=ar_EG.UTF-8|$zarlin" "floor_program|LANG=C.UTF-8|$bench/floor_program")
results=$(mktemp)
for launch in $(seq 11); do
  for entry in "${launches[@]}"; do
    IFS='|' read -r name environment program <<<"$entry"
    watched=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES "$environment" $bench/map_watch 300 $program 2>/dev/null)
    echo "$name|$(echo "$watched" | head -n 1 | cut -d' ' -f1) $(echo "$watched" | tail -n 1)" >> "$results"
  done
done
declare -A map hwm
for entry in "${launches[@]}"; do
  name=${entry%%|*}
  ran=$(awk -F'|' -v name="$name" '$1 == name {print $2}' "$results")
  read -r map_median map_worst < <(awk '{print $1}' <<<"$ran" | stats)
  read -r hwm_median hwm_worst < <(awk '{print $NF / 1024}' <<<"$ran" | stats)
  target=("1.1 x floor" "1.2 x floor")
  [ "$name" != floor_program ] || target=("" "")
  row "start-up $name" "$map_median ms" "" "$map_worst ms" "${target[0]}"
  row "memory after start-up $name" "$hwm_median MB" "" "$hwm_worst MB" "${target[1]}"
  map[$name]=$map_median hwm[$name]=$hwm_median
done
rm -f "$results"
for entry in "${launches[@]::3}"; do
  name=${entry%%|*}
  row "start-up $name / floor" "$(awk "BEGIN {printf \"%.2f\", ${map[$name]} / ${map[floor_program]}}")" "" "" "1.1"
done
row "memory zarlin / floor" "$(awk "BEGIN {printf \"%.2f\", ${hwm[zarlin]} / ${hwm[floor_program]}}")" "" "" "1.2"
row "memory after a whole won game (in-process, virtual time)" "$(awk "BEGIN {printf \"%.1f MB\", $("$bench/bench_zarlin" game-memory 2>/dev/null) / 1024}")" "" "" "1.2 x floor"

# 4. Idle: CPU ticks in 10 s before the first game and after a game has ended.
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
x_start "$zarlin" 2>/dev/null
game=${x_pids[-1]}
main=$(x_window Zarlin)
sleep 1
before=$(ticks $game); sleep 10; row "idle before the first game" "$(( $(ticks $game) - before )) ticks in 10 s" "" "" "0"
xdotool windowfocus --sync "$main" key ctrl+n
sleep 1
for _ in $(seq 20); do
  xdotool search --name '^Game Over$' >/dev/null 2>&1 && break
  x_click White; sleep 0.25; x_click Yellow; sleep 0.25
done
xdotool search --name '^Game Over$' >/dev/null 2>&1 || { echo "bench: no game over after 40 clicks" >&2; exit 1; }
sleep 3  # the last playback and flash end
# libpulse's thread, by the name it gives itself: how often it woke.
sound_wakes() { grep -l '^threaded-ml$' /proc/$1/task/*/comm | sed 's/comm$/status/' | xargs -r awk '/^voluntary_ctxt_switches/ {print $2}'; }
before=$(ticks $game) wakes=$(sound_wakes $game); sleep 10
row "idle after a game over" "$(( $(ticks $game) - before )) ticks in 10 s" "" "" "0"
row "the sound thread idle after a game over" "$(( $(sound_wakes $game) - wakes )) wake-ups in 10 s" "" "" "0"
row "the sound server's sink after a game over" "$(sound_server_sink_state)" "" "" "SUSPENDED"

# The onsets again under PipeWire, at its default settings.
kill "$server"
while kill -0 "$server" 2>/dev/null; do sleep 0.1; done
sound_server_start pipewire >/dev/null
onset_rows PipeWire "30 ms at most"
rm -f "$sink_log" "$quanta_log"

# 5. Engine throughput: wall time, and instructions that the machine's noise does not move.
bench_rows "engine" "under 50 ms" engine 20
instructions=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null --collect-atstart=no \
  --toggle-collect='*PlayWholeGame*' "$bench/bench_zarlin" engine 1 2>&1 | sed -n 's/.*Collected : *//p')
row "engine: instructions for a whole won game" "$instructions" "" "" ""

# Nothing the bench started may outlive it.
x_session_stop
trap - EXIT
sleep 0.5
left=$(left_running)
row "processes left running by the bench" "$(echo $left | wc -w) $left" "" "" "0"
