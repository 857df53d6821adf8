#!/bin/sh
# orvane-render renders through a program named on the command line, writes
# and reloads chunks, and refuses what it cannot do with a non-zero exit.
set -eu
render=$1
plugin=$2
work=$3
rm -rf "$work" && mkdir -p "$work"

fails() {
  if "$@" >"$work/refused.txt" 2>&1; then
    echo "accepted: $*"
    exit 1
  fi
  grep -q "orvane-render: " "$work/refused.txt"
}

"$render" "$plugin" --list > "$work/list.txt"
[ "$(wc -l < "$work/list.txt")" -eq 354 ]
name=$(sed -n '80p' "$work/list.txt" | cut -c5-)
index=$(awk -v name="$name" 'substr($0, 5) == name { print $1; exit }' "$work/list.txt")

"$render" "$plugin" --program "$name" --param 0=0.25 --seconds 1 --block 300 \
  --output "$work/out.wav" --save-bank "$work/bank.orv" --save-program "$work/program.orv" > "$work/render.txt"
grep -q "^program $index: $name\$" "$work/render.txt"
grep -q "^rendered 44100 frames at 44100 Hz" "$work/render.txt"
[ "$(stat -c %s "$work/bank.orv")" -eq 885044 ]
[ "$(stat -c %s "$work/program.orv")" -eq 2544 ]

"$render" "$plugin" --input "$work/out.wav" --rate 48000 --load-bank "$work/bank.orv" \
  --load-program "$work/program.orv" --output "$work/again.aiff" > "$work/again.txt"
grep -q "^program $index: $name\$" "$work/again.txt"
grep -q "^rendered 44100 frames at 48000 Hz" "$work/again.txt"

fails "$render" "$plugin" --input "$work/missing.wav" --output "$work/x.wav"
fails "$render" "$plugin" --program "No Such Program"
fails "$render" "$plugin" --program 354
fails "$render" "$plugin" --param "No Such Slider=0.5"
# A parameter that is not found is refused with the program's parameters listed.
fails "$render" "$plugin" --program "Tone Generator" --param "Frequency=0.5"
grep -q '^  0 "Freq" Hz$' "$work/refused.txt"
# A parameter is found by its name or by its whole caption, name and unit.
"$render" "$plugin" --program "Tone Generator" --param "Freq=0.5" --param "freq hz=0.5" --seconds 1 \
  --output "$work/tone.wav" > /dev/null
fails "$render" "$plugin" --load-bank "$work/program.orv"
fails "$render" "$work/list.txt" --list
libm=$(find /lib /usr/lib -name "libm.so.6" 2>/dev/null | head -1)
[ -z "$libm" ] || fails "$render" "$libm" --list
echo "render tool: all checks passed"
