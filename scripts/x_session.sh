# The virtual X screen that the end-to-end test, the screenshots and the benchmarks drive the
# real game on. Sourced, not run:
#   x_session_start [--window-manager]   an Xvfb screen of its own (DISPLAY set), openbox on it
#   x_window NAME, x_shown NAME          the shown window of that exact name: its id, or whether
#   x_click COLOUR                       a click in the middle of a colour button at its place
# Processes started after it go into x_pids; x_session_stop (set as the EXIT trap) ends them,
# the last started first.

x_pids=()

x_session_start() {
  export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR
  unset WAYLAND_DISPLAY
  XDG_RUNTIME_DIR=$(mktemp -d)
  trap x_session_stop EXIT
  local displayfile
  displayfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
  x_pids+=($!)
  for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.05; done
  export DISPLAY=":$(cat "$displayfile")"
  rm -f "$displayfile"
  if [ "${1:-}" = --window-manager ]; then
    openbox --sm-disable >/dev/null 2>&1 &
    x_pids+=($!)
    for _ in $(seq 100); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
      sleep 0.05
    done
  fi
}

x_session_stop() {
  for ((i = ${#x_pids[@]} - 1; i >= 0; i--)); do
    kill "${x_pids[i]}" 2>/dev/null || true
    wait "${x_pids[i]}" 2>/dev/null || true
  done
  rm -rf "$XDG_RUNTIME_DIR"
}

x_shown() {
  local id
  for id in $(xdotool search --name "^$1\$" 2>/dev/null || true); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && { echo "$id"; return 0; }
  done
  return 1
}

x_window() {  # waits up to five seconds
  for _ in $(seq 100); do
    x_shown "$1" && return 0
    sleep 0.05
  done
  echo "no window named $1" >&2
  return 1
}

x_click() {
  local xy
  case $1 in
    White) xy="270 247" ;; Yellow) xy="215 247" ;; Red) xy="160 247" ;;
    Green) xy="160 176" ;; Blue) xy="215 176" ;; Black) xy="269 176" ;;
  esac
  xdotool mousemove $xy click 1
}
