# A sound server of its own for a desktop session of scripts/x_session.sh, headless, with one
# null sink named nul whose monitor can be recorded. Sourced after x_session_start:
#   sound_server_start pulseaudio    PulseAudio
#   sound_server_start pipewire      PipeWire, WirePlumber and PipeWire's PulseAudio server, on a
#                                    D-Bus session bus of their own
# Either serves PulseAudio's clients in $XDG_RUNTIME_DIR/pulse, and each daemon is ended with
# the session. As root, the daemons are kept from real-time priority beside the tests.

sound_server_daemon() {
  if [ "$(id -u)" -eq 0 ]; then
    x_start setpriv --inh-caps=-sys_nice --bounding-set=-sys_nice "$@"
  else
    x_start "$@"
  fi
}

sound_server_start() {
  export XDG_CONFIG_HOME=$XDG_RUNTIME_DIR/config
  mkdir -p "$XDG_CONFIG_HOME"
  local log=$XDG_RUNTIME_DIR/$1.log
  case $1 in
    pulseaudio)
      sound_server_daemon pulseaudio -n --daemonize=no --exit-idle-time=-1 \
        -L module-native-protocol-unix -L "module-null-sink sink_name=nul rate=48000" \
        -L "module-suspend-on-idle timeout=1" >"$log" 2>&1 ;;
    pipewire)
      mkdir -p "$XDG_CONFIG_HOME/pipewire/pipewire.conf.d" "$XDG_CONFIG_HOME/wireplumber/main.lua.d" \
               "$XDG_CONFIG_HOME/wireplumber/bluetooth.lua.d"
      cat >"$XDG_CONFIG_HOME/pipewire/pipewire.conf.d/nul.conf" <<'CONF'
context.objects = [
  { factory = adapter
    args = { factory.name = support.null-audio-sink node.name = "nul" media.class = "Audio/Sink"
             object.linger = true audio.position = [ FL FR ] audio.rate = 48000 } }
]
CONF
      echo 'alsa_monitor.enabled = false v4l2_monitor.enabled = false libcamera_monitor.enabled = false' \
        >"$XDG_CONFIG_HOME/wireplumber/main.lua.d/99-no-devices.lua"
      echo 'bluez_monitor.enabled = false' >"$XDG_CONFIG_HOME/wireplumber/bluetooth.lua.d/99-no-devices.lua"
      local address=$XDG_RUNTIME_DIR/bus-address
      x_start dbus-daemon --session --nofork --print-address=3 3>"$address"
      for _ in $(seq 100); do [ -s "$address" ] && break; sleep 0.05; done
      export DBUS_SESSION_BUS_ADDRESS
      DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$address")
      sound_server_daemon pipewire >"$log" 2>&1
      for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/pipewire-0" ] && break; sleep 0.05; done
      sound_server_daemon wireplumber >>"$log" 2>&1
      sound_server_daemon pipewire-pulse >>"$log" 2>&1 ;;
    *) echo "no sound server $1" >&2; return 1 ;;
  esac
  for _ in $(seq 200); do
    pactl list short sinks 2>/dev/null | grep -q '\bnul\b' && break
    sleep 0.05
  done
  pactl list short sinks 2>/dev/null | grep -q '\bnul\b' || { cat "$log" >&2; echo "$1 did not start" >&2; return 1; }
  # PipeWire's server may list the sink a moment before it takes it as the default.
  for _ in $(seq 50); do pactl set-default-sink nul 2>/dev/null && return; sleep 0.1; done
  pactl set-default-sink nul
}

# PipeWire's graph, by its profiler: the quantum of each cycle it runs for the next SECONDS, in
# frames at 48 kHz.
sound_server_quanta() {
  local folder
  folder=$(mktemp -d)
  (cd "$folder" && timeout "$1" pw-profiler -o profile >/dev/null 2>&1) || true
  awk '{printf "%d\n", $4 * 48 / 1000 + 0.5}' "$folder/profile"
  rm -rf "$folder"
}

# The state of the null sink: RUNNING, IDLE or SUSPENDED.
sound_server_sink_state() { pactl list short sinks | awk '$2 == "nul" {print $NF}'; }
