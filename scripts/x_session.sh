# The desktop sessions that the end-to-end tests, the screenshots and the benchmarks drive the
# real game in. Sourced, not run:
#   x_session_start                  an Xvfb screen of its own (DISPLAY set), no window manager
#   x_session_start --openbox        the same with openbox managing the windows
#   x_session_start --mutter         GNOME's compositor, headless: a Wayland session with its
#                                    Xwayland (WAYLAND_DISPLAY, DISPLAY and XAUTHORITY set)
#   x_session_start --mutter_two_monitors   the same on two monitors, the primary on the right
#   x_session_start --kwin           KDE's compositor, headless, with its Xwayland
#   x_primary_monitor                the primary monitor, "X Y WIDTH HEIGHT"
#   x_start COMMAND...               starts a program in the background, ended with the session
#   x_window NAME, x_shown NAME      the shown window of that exact name: its id, or whether
#   x_click COLOUR                   a click in the middle of a colour button at its place
#   x_states ID, x_active            a window's _NET_WM_STATE, and the active window's id
# Every program started goes into x_pids, each in a process group of its own; x_session_stop
# (run on exit, Ctrl+C included) ends the groups, the last started first, so that nothing a
# session started outlives it, down to the D-Bus daemon of a compositor.

x_pids=()

x_start() {
  setsid "$@" &
  x_pids+=($!)
}

x_session_start() {
  export XDG_RUNTIME_DIR
  XDG_RUNTIME_DIR=$(mktemp -d)
  chmod 700 "$XDG_RUNTIME_DIR"
  trap x_session_stop EXIT
  trap 'exit 130' INT TERM
  case ${1:-} in
    --mutter) x_mutter_start 1; return ;;
    --mutter_two_monitors) x_mutter_start 2; return ;;
    --kwin) x_kwin_start; return ;;
  esac
  export QT_QPA_PLATFORM=xcb
  unset WAYLAND_DISPLAY
  local displayfile
  displayfile=$(mktemp)
  x_start Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" 2>/dev/null
  for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.05; done
  export DISPLAY=":$(cat "$displayfile")"
  rm -f "$displayfile"
  if [ "${1:-}" = --openbox ]; then
    x_start openbox --sm-disable >/dev/null 2>&1
    x_wait_for_window_manager
  fi
}

# A compositor starts Xwayland only where the X socket folder is open to all, as on a desktop.
x_open_socket_folder() {
  mkdir -p /tmp/.X11-unix
  [ "$(stat -c %a /tmp/.X11-unix)" = 1777 ] || chmod 1777 /tmp/.X11-unix
}

x_wait_for_window_manager() {
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
  done
}

x_mutter_start() {  # x_mutter_start MONITORS: 1, or 2 side by side with the right one primary
  x_open_socket_folder
  local log=$XDG_RUNTIME_DIR/mutter.log monitors=()
  for _ in $(seq "$1"); do monitors+=(--virtual-monitor 1280x1024); done
  x_start dbus-run-session -- mutter --headless --wayland "${monitors[@]}" >"$log" 2>&1
  for _ in $(seq 200); do grep -q 'Using public X11 display' "$log" && break; sleep 0.05; done
  export XDG_SESSION_TYPE=wayland
  export WAYLAND_DISPLAY DISPLAY XAUTHORITY
  WAYLAND_DISPLAY=$(sed -n "s/.*Using Wayland display name '\([^']*\)'.*/\1/p" "$log")
  DISPLAY=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$log")
  XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* 2>/dev/null | head -n 1)
  unset QT_QPA_PLATFORM
  [ -n "$DISPLAY" ] && [ -n "$WAYLAND_DISPLAY" ] || { cat "$log" >&2; echo "mutter did not start" >&2; return 1; }
  x_wait_for_window_manager
  [ "$1" = 1 ] || xrandr --output XWAYLAND1 --primary
}

# KWin as installed carries a file capability that stops it from starting as root in a
# container; a plain copy, without it, starts. The program it starts once its Xwayland is up
# tells the display.
x_kwin_start() {
  x_open_socket_folder
  local log=$XDG_RUNTIME_DIR/kwin.log kwin=$XDG_RUNTIME_DIR/kwin_wayland
  cp "$(command -v kwin_wayland)" "$kwin"
  export WAYLAND_DISPLAY=zarlin-kwin XDG_SESSION_TYPE=wayland DISPLAY
  unset QT_QPA_PLATFORM XAUTHORITY
  x_start dbus-run-session -- "$kwin" --virtual --xwayland --width 1280 --height 1024 \
    --socket "$WAYLAND_DISPLAY" "sh -c 'echo \$DISPLAY > $XDG_RUNTIME_DIR/kwin-display; exec sleep infinity'" \
    >"$log" 2>&1
  for _ in $(seq 200); do [ -s "$XDG_RUNTIME_DIR/kwin-display" ] && break; sleep 0.05; done
  DISPLAY=$(cat "$XDG_RUNTIME_DIR/kwin-display" 2>/dev/null)
  [ -n "$DISPLAY" ] || { cat "$log" >&2; echo "kwin did not start" >&2; return 1; }
  x_wait_for_window_manager
}

x_primary_monitor() {  # the one marked primary, or else the first
  xrandr | awk '/ connected / { primary = / primary /; sub(/.* connected (primary )?/, "");
                 split($1, g, /[x+]/); if (primary || !found) monitor = g[3] " " g[4] " " g[1] " " g[2];
                 found = 1 } END { print monitor }'
}

x_session_stop() {
  for ((i = ${#x_pids[@]} - 1; i >= 0; i--)); do
    kill -- "-${x_pids[i]}" 2>/dev/null || kill "${x_pids[i]}" 2>/dev/null || true
    wait "${x_pids[i]}" 2>/dev/null || true
  done
  x_pids=()
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

x_states() { xprop -id "$1" _NET_WM_STATE; }

x_active() { printf '%d\n' "$(xprop -root _NET_ACTIVE_WINDOW | awk '{print $NF}')"; }
