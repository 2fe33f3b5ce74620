#!/usr/bin/env bash
# Zarlin's benchmarks: playback timing, click response, start-up and memory against the floor
# of any Qt program (and KDE's Blinken with --blinken), idle cost and engine throughput.
# Prints one Markdown table, also written to build-bench/table.md: scripts/bench.sh [--blinken]
set -euo pipefail
cd "$(dirname "$0")/.."
blinken=no
[ "${1:-}" = --blinken ] && blinken=yes
scripts/install.sh --bench ${1:-}
scripts/build.sh build-bench -DCMAKE_BUILD_TYPE=Release -DZARLIN_BENCH=ON >/dev/null
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
  "$bench/bench_zarlin" "$@" 2>/dev/null | while IFS='|' read -r figure median p99 worst unit; do
    row "$label: $figure" "$median $unit" "$p99 $unit" "$worst $unit" "$target"
  done
}
busy_core() { sh -c 'while :; do :; done' & busy=$!; }

: > "$table"
echo "Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null), $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores, $(date -u +%F)" | tee -a "$table"
echo | tee -a "$table"
row "figure" "median" "99th percentile" "worst" "target"
row "---" "---" "---" "---" "---"

# 1. Playback timing, three rounds each, idle and with the other core kept busy.
for load in idle busy; do
  [ $load = busy ] && busy_core
  bench_rows "playback 400 ms, 16 flashes, $load" "p99 onset $([ $load = idle ] && echo 1 || echo 2) ms, dark 2 ms, drift 2 ms" playback 200 16 3
  bench_rows "playback 50 ms, 128 flashes, $load" "p99 onset $([ $load = idle ] && echo 1 || echo 2) ms, dark 2 ms, drift 2 ms" playback -150 128 3
  [ $load = busy ] && { kill $busy; wait $busy 2>/dev/null || true; }
done

# 2. Click response, offscreen and on the X server.
QT_QPA_PLATFORM=offscreen bench_rows "clicks offscreen" "p99 under 1 ms" clicks 10000
bench_rows "clicks on Xvfb" "worst within 16.7 ms" clicks 10000

# 3. Start-up to the first window mapped, and resident memory, programs taking turns.
programs=("$zarlin" "$bench/floor_program")
# Debian installs Blinken among the games, outside many a PATH.
[ $blinken = yes ] && programs+=("dbus-run-session $(PATH=$PATH:/usr/games command -v blinken)")
results=$(mktemp)
for launch in $(seq 11); do
  for program in "${programs[@]}"; do
    watched=$($bench/map_watch 300 $program 2>/dev/null)
    echo "$program $(echo "$watched" | head -n 1 | cut -d' ' -f1) $(echo "$watched" | tail -n 1)" >> "$results"
  done
done
for program in "${programs[@]}"; do
  name=$(basename "${program##* }")
  read -r map_median map_worst < <(grep -F "$program " "$results" | awk '{print $(NF-1)}' | stats)
  read -r hwm_median hwm_worst < <(grep -F "$program " "$results" | awk '{print $NF / 1024}' | stats)
  row "start-up $name" "$map_median ms" "" "$map_worst ms" "$([ "$name" = zarlin ] && echo '1.2 x floor, 1/8 Blinken')"
  row "memory after start-up $name" "$hwm_median MB" "" "$hwm_worst MB" "$([ "$name" = zarlin ] && echo '1.2 x floor, 1/4 Blinken')"
  eval "map_$(echo "$name" | tr -c 'a-z\n' _)=$map_median hwm_$(echo "$name" | tr -c 'a-z\n' _)=$hwm_median"
done
row "start-up zarlin / floor" "$(awk "BEGIN {printf \"%.2f\", $map_zarlin / $map_floor_program}")" "" "" "1.2"
row "memory zarlin / floor" "$(awk "BEGIN {printf \"%.2f\", $hwm_zarlin / $hwm_floor_program}")" "" "" "1.2"
if [ $blinken = yes ]; then
  row "start-up zarlin / Blinken" "$(awk "BEGIN {printf \"%.3f\", $map_zarlin / $map_blinken}")" "" "" "0.125"
  row "memory zarlin / Blinken" "$(awk "BEGIN {printf \"%.3f\", $hwm_zarlin / $hwm_blinken}")" "" "" "0.25"
fi
row "memory after a whole won game (in-process, virtual time)" "$(awk "BEGIN {printf \"%.1f MB\", $("$bench/bench_zarlin" game-memory 2>/dev/null) / 1024}")" "" "" "1.2 x floor"

# 4. Idle: CPU ticks in 10 s before the first game and after a game has ended.
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
"$zarlin" 2>/dev/null &
game=$!
x_pids+=("$game")
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
before=$(ticks $game); sleep 10; row "idle after a game over" "$(( $(ticks $game) - before )) ticks in 10 s" "" "" "0"

# 5. Engine throughput: wall time, and instructions that the machine's noise does not move.
bench_rows "engine" "under 50 ms" engine 20
instructions=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null --collect-atstart=no \
  --toggle-collect='*PlayWholeGame*' "$bench/bench_zarlin" engine 1 2>&1 | sed -n 's/.*Collected : *//p')
row "engine: instructions for a whole won game" "$instructions" "" "" ""
