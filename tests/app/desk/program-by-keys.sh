#!/usr/bin/env bash
# The built program as a bidder meets it on an X server: started on a file, then each step
# waits for a window of that title, gives it the keyboard and runs the xdotool commands
# ("key alt+f x", "sleep 4 key Return", "type V0042917 key Return").
# Passes when the program then ends by itself with status 0 and no sanitizer report.
#   program-by-keys.sh PROGRAM FILE "Window title=xdotool commands" ...
# Runs inside tools/xvfb-test (DISPLAY set, no window manager).
set -uo pipefail
program=$1 file=$2
shift 2
home=$(mktemp -d "${TMPDIR:-/tmp}/zod-desk.XXXXXX")
trap 'kill "$pid" 2>/dev/null; rm -rf "$home"' EXIT
mkdir -p "$home/config/Tarvello"
# A named bidder, so the first-run welcome stays away; the splash shows as it does by default.
printf '[Software\\Wendrick\\Tarvello\\Zod\\Bidder]\nName=Ridgeline Paving\n' >"$home/config/Tarvello/Zod.conf"
HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data "$program" "$file" 2>"$home/stderr" &
pid=$!

fail() {
  echo "FAILED: $*"
  echo "--- windows:"; xdotool search --onlyvisible --name '' getwindowname %@ 2>/dev/null
  echo "--- program's errors:"; cat "$home/stderr"
  echo "--- the X server ($DISPLAY) now: $(xdpyinfo >/dev/null 2>&1 && echo answers || echo does not answer)"
  exit 1
}

# The first visible window whose title matches, looked for until a minute has gone (a loaded
# machine and the sanitizer build are slow to open a proposal).
find_window() {
  local found
  for _ in $(seq 240); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$found" ] && { echo "$found"; return; }
    kill -0 "$pid" 2>/dev/null || return
    sleep 0.25
  done
}

for step in "$@"; do
  title=${step%%=*} commands=${step#*=}
  window=$(find_window "^$title\$")
  [ -n "$window" ] || fail "no window \"$title\""
  kill -0 "$pid" 2>/dev/null || fail "the program ended before \"$title\""
  xdotool windowfocus --sync "$window" 2>/dev/null || fail "\"$title\" cannot take the keyboard"
  # The program sees the focus arrive as an event of its own; keys typed before it are lost.
  sleep 0.5
  # shellcheck disable=SC2086 # the commands are words
  xdotool $commands
done

for _ in $(seq 300); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
if grep -E -q 'Sanitizer|runtime error:' "$home/stderr"; then fail "sanitizer report"; fi
echo "passed"
