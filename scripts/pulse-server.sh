#!/usr/bin/env bash
# A private PulseAudio server with one null sink, for the tests and the
# benchmark that listen to what Pelumo plays. It runs under its own runtime
# folder, needs no session bus and no display, works as root, and is stopped
# by its PID, never by name.
#   scripts/pulse-server.sh start DIR     start it (the socket is DIR/native)
#   scripts/pulse-server.sh stop DIR      stop it
#   scripts/pulse-server.sh restart DIR   stop it, then start it again
# Clients reach it with PULSE_SERVER=unix:DIR/native; the sink is
# "pelumo_null" and its monitor "pelumo_null.monitor". Without pulseaudio
# installed, start says so and succeeds: the tests that need it skip.
set -uo pipefail

command=${1:-}
dir=${2:-}
[ -n "$command" ] && [ -n "$dir" ] || { echo "usage: $0 start|stop|restart DIR" >&2; exit 2; }

stop_server() {
  local pid
  pid=$(cat "$dir/pid" 2>/dev/null) || return 0
  rm -f "$dir/pid"
  kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null
  return 0
}

start_server() {
  if ! command -v pulseaudio >/dev/null || ! command -v pactl >/dev/null; then
    echo "pulseaudio or pulseaudio-utils is not installed: the sound tests will skip"
    return 0
  fi
  stop_server
  mkdir -p "$dir/home"
  rm -f "$dir/native"
  # HOME and the runtime path keep its cookie and state out of the user's own.
  HOME="$dir/home" PULSE_RUNTIME_PATH="$dir" XDG_RUNTIME_DIR="$dir" \
    pulseaudio --daemonize=no -n --exit-idle-time=-1 --system=false --use-pid-file=no \
      --disallow-exit --log-target=stderr \
      -L "module-null-sink sink_name=pelumo_null rate=22050 channels=1" \
      -L "module-native-protocol-unix socket=$dir/native auth-anonymous=1" \
      </dev/null >"$dir/server.log" 2>&1 &
  echo $! >"$dir/pid"
  for _ in $(seq 100); do
    if PULSE_SERVER="unix:$dir/native" HOME="$dir/home" pactl info >/dev/null 2>&1; then
      return 0
    fi
    kill -0 "$(cat "$dir/pid")" 2>/dev/null || break
    sleep 0.05
  done
  echo "the private PulseAudio server did not start; its log:" >&2
  cat "$dir/server.log" >&2
  stop_server
  return 1
}

case $command in
  start) start_server ;;
  stop) stop_server ;;
  restart) stop_server && start_server ;;
  *) echo "usage: $0 start|stop|restart DIR" >&2; exit 2 ;;
esac
