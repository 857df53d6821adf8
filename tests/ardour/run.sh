#!/bin/sh
# Ardour loads the built plug-in headless: ardour-vst-scanner indexes it,
# ardour7-lua plays it in a session on the dummy backend, renders a file and
# saves and reloads the session. Usage: run.sh LIBRARY WORK_DIR
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mkdir -p "$2" && cd "$2" && pwd)
rm -rf "$work"/*
mkdir -p "$work/vst" "$work/config" "$work/cache"
cp "$1" "$work/vst/libOrvanePro.so"
# The indexer stamps its cache with the library's time in whole seconds, and
# Ardour takes a cache no newer than the library for stale.
touch -d '2020-01-01' "$work/vst/libOrvanePro.so"
export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" LXVST_PATH="$work/vst"
export ORVANE_ARDOUR_SESSION="$work/session"

LD_LIBRARY_PATH=/usr/lib/ardour7 /usr/lib/ardour7/ardour-vst-scanner -q "$work/vst/libOrvanePro.so"
g++ -shared -fPIC -O2 -o "$work/scan-plugins.so" "$here/ScanPlugins.cpp" -ldl
LD_PRELOAD="$work/scan-plugins.so" timeout 600 ardour7-lua "$here/session.lua" > "$work/ardour.log" 2>&1 || true
grep -E "^(LOADED|RESTORED)" "$work/ardour.log" || { cat "$work/ardour.log"; exit 1; }

expect() {
  if ! grep -qE "$1" "$work/ardour.log"; then
    echo "Ardour check failed: $2"
    exit 1
  fi
}
expect "^LOADED[[:space:]]+Orvane Pro[[:space:]]+LFO Rate[[:space:]]+0\.25" "the plug-in loads, selects Auto-Wah and takes a parameter"
expect "^RESTORED[[:space:]]+Orvane Pro[[:space:]]+LFO Rate[[:space:]]+0\.25" "the saved session restores the program and parameter"
grep -q "<chunk" "$work/session/orvane.ardour" || { echo "Ardour check failed: no chunk in the session"; exit 1; }

rms=$(sox "$work/session/rendered/orvane.wav" -n stat 2>&1 | awk '/RMS +amplitude/ { print $3 }')
seconds=$(sox "$work/session/rendered/orvane.wav" -n stat 2>&1 | awk '/Length/ { print $3 }')
echo "rendered ${seconds}s, RMS $rms"
awk -v rms="$rms" -v seconds="$seconds" 'BEGIN { exit !(rms > 0.001 && seconds >= 2.9) }' ||
  { echo "Ardour check failed: the rendered file is silent or short"; exit 1; }
echo "Ardour: 1 passed, 0 failed"
