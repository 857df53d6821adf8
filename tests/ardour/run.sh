#!/bin/sh
# Ardour loads the built plug-in headless: ardour-vst-scanner indexes it,
# ardour7-lua plays it in a session on the dummy backend, bounces the track to
# files and saves and reloads the session. Usage: run.sh LIBRARY WORK_DIR
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
grep -E "^(LOADED|RENDERED|RESTORED)" "$work/ardour.log" || true

fail() {
  echo "Ardour check failed: $1"
  echo "--- Ardour's output:"
  cat "$work/ardour.log"
  exit 1
}
expect() {
  grep -qE "$1" "$work/ardour.log" || fail "$2"
}
expect "^LOADED[[:space:]]+Orvane Pro[[:space:]]+LFO Rate[[:space:]]+0\.25" "the plug-in loads, selects Auto-Wah and takes a parameter"
expect "^RESTORED[[:space:]]+Orvane Pro[[:space:]]+LFO Rate[[:space:]]+0\.25" "the saved session restores the program and parameter"
grep -q "<chunk" "$work/session/orvane.ardour" || fail "no chunk in the session"

# One mono file per channel of the track, each three seconds of sound.
channels=$(grep -c "^RENDERED" "$work/ardour.log" || true)
[ "$channels" -eq 2 ] || fail "the bounce gave $channels files, not one per channel"
while IFS= read -r file; do
  rms=$(sox "$file" -n stat 2>&1 | awk '/RMS +amplitude/ { print $3 }')
  seconds=$(sox "$file" -n stat 2>&1 | awk '/Length/ { print $3 }')
  echo "bounced ${seconds}s, RMS $rms: $(basename "$file")"
  awk -v rms="$rms" -v seconds="$seconds" 'BEGIN { exit !(rms > 0.001 && seconds >= 2.9) }' ||
    fail "the bounced file $file is silent or short"
done <<EOF
$(sed -n "s/^RENDERED[[:space:]]*//p" "$work/ardour.log")
EOF
echo "Ardour: 1 passed, 0 failed"
