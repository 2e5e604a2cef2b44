#!/usr/bin/env bash
# However tools/xvfb-test ends, its private X server ends with it.
#   xvfb-test-stops-its-server.sh path/to/xvfb-test
set -euo pipefail
set -m  # background jobs keep SIGINT, as a terminal's would
runner=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Starts the runner with a program that notes its display and waits; echoes the runner's pid.
start_runner() {
  local noted=$1
  "$runner" bash -c 'echo "${DISPLAY#:}" > "$0"; sleep 60' "$noted" >/dev/null 2>&1 &
  local pid=$!
  for _ in $(seq 200); do [ -s "$noted" ] && break; sleep 0.05; done
  [ -s "$noted" ] || { echo "the runner never started its program" >&2; exit 1; }
  echo "$pid"
}

server_of() { tr -d ' ' < "/tmp/.X$1-lock"; }

expect_gone() {
  local what=$1 server=$2
  for _ in $(seq 100); do kill -0 "$server" 2>/dev/null || return 0; sleep 0.05; done
  echo "FAIL: after $what the X server $server still runs" >&2
  kill "$server"
  exit 1
}

for signal in TERM INT HUP KILL; do
  noted="$work/$signal"
  runner_pid=$(start_runner "$noted")
  server=$(server_of "$(cat "$noted")")
  kill "-$signal" "$runner_pid"
  wait "$runner_pid" 2>/dev/null || true
  expect_gone "SIG$signal to the runner" "$server"
done

# The program ends by itself, killed from outside.
noted="$work/program"
runner_pid=$(start_runner "$noted")
server=$(server_of "$(cat "$noted")")
pkill -KILL -P "$runner_pid" -x sleep
wait "$runner_pid" 2>/dev/null || true
expect_gone "the program's end" "$server"
echo "the X server stopped every way"
