#!/usr/bin/env bash
# Starts the HT-57 Programming Software from a build's bin folder.
#
# With no port configured in bin/Program.ini (or with the port being the
# simulator's own link), a simulated radio (ht57-sim) is started first and the
# program's port is pointed at it; the simulator keeps its memory in the build
# folder between runs and is stopped when the program exits. With a real port
# configured, the program is started alone.
#
# Usage: scripts/start-with-simulator.sh BIN_FOLDER [program arguments...]
set -euo pipefail

bin=$(cd "${1:?usage: $0 BIN_FOLDER}" && pwd)
shift

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found (DISPLAY and WAYLAND_DISPLAY are empty)." >&2
  echo "On a machine without a desktop, run the program under a virtual X server:" >&2
  echo "  xvfb-run -a bash scripts/run.sh" >&2
  exit 1
fi

build=$(dirname "$bin")
ini="$bin/Program.ini"
link="$build/ht57-sim-port"
memory="$build/ht57-sim-memory.dat"
simlog="$build/ht57-sim.log"

# [Setup] COM as the program reads it: section and key in any case.
configured_port() {
  [ -f "$ini" ] || return 0
  awk '
    /^[ \t]*\[/ { s = tolower($0); gsub(/[ \t\r\[\]]/, "", s); in_setup = (s == "setup"); next }
    in_setup && tolower($0) ~ /^[ \t]*com[ \t]*=/ {
      v = $0; sub(/^[^=]*=[ \t]*/, "", v); sub(/[ \t\r]*$/, "", v); print v; exit
    }' "$ini"
}

# Sets [Setup] COM, keeping every other line as it is.
set_port() {
  local value=$1 tmp
  tmp=$(mktemp "$ini.XXXXXX")
  if [ -f "$ini" ]; then cat "$ini"; fi | awk -v value="$value" '
    BEGIN { done = 0; in_setup = 0 }
    /^[ \t]*\[/ {
      if (in_setup && !done) { print "COM=" value; done = 1 }
      s = tolower($0); gsub(/[ \t\r\[\]]/, "", s); in_setup = (s == "setup"); print; next
    }
    in_setup && tolower($0) ~ /^[ \t]*com[ \t]*=/ { if (!done) { print "COM=" value; done = 1 }; next }
    { print }
    END { if (!done) { if (!in_setup) print "[Setup]"; print "COM=" value } }' > "$tmp"
  mv "$tmp" "$ini"
}

port=$(configured_port)
if [ -n "$port" ] && [ "$port" != "$link" ]; then
  echo "Using the configured port $port."
  exec "$bin/ht57" "$@"
fi

# A link left behind by a run that did not end cleanly points nowhere.
if [ -L "$link" ]; then rm -f "$link"; fi

"$bin/ht57-sim" --link "$link" --image "$memory" >"$simlog" 2>&1 &
sim=$!
stop_sim() {
  if kill -0 "$sim" 2>/dev/null; then
    kill "$sim" 2>/dev/null || true
    wait "$sim" 2>/dev/null || true
  fi
}
trap stop_sim EXIT

for _ in $(seq 1 50); do
  [ -e "$link" ] && break
  if ! kill -0 "$sim" 2>/dev/null; then
    echo "The simulated radio did not start; see $simlog" >&2
    exit 1
  fi
  sleep 0.1
done
if [ ! -e "$link" ]; then
  echo "The simulated radio did not offer its port; see $simlog" >&2
  exit 1
fi

set_port "$link"
echo "Simulated radio on $link (memory kept in $memory)."
status=0
"$bin/ht57" "$@" || status=$?
exit "$status"
