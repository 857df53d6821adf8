#!/bin/sh
# orvane-render renders through a program named on the command line, writes
# and reloads chunks, renders tails, writes the format its output's name asks
# for, and refuses what it cannot do before rendering, writing nothing.
set -eu
render=$1
plugin=$2
work=$3
rm -rf "$work" && mkdir -p "$work"

"$render" "$plugin" --list > "$work/list.txt"
[ "$(wc -l < "$work/list.txt")" -eq 354 ]
name=$(sed -n '80p' "$work/list.txt" | cut -c5-)
index=$(awk -v name="$name" 'substr($0, 5) == name { print $1; exit }' "$work/list.txt")

"$render" "$plugin" --program "$name" --param 0=0.25 --seconds 1 --block 300 --tail 0 \
  --output "$work/out.wav" --save-bank "$work/bank.orv" --save-program "$work/program.orv" > "$work/render.txt"
grep -q "^program $index: $name\$" "$work/render.txt"
grep -q "^rendered 44100 frames at 44100 Hz" "$work/render.txt"
[ "$(stat -c %s "$work/bank.orv")" -eq 885044 ]
[ "$(stat -c %s "$work/program.orv")" -eq 2544 ]

"$render" "$plugin" --input "$work/out.wav" --rate 44100 --tail 0 --load-bank "$work/bank.orv" \
  --load-program "$work/program.orv" --output "$work/again.aiff" > "$work/again.txt"
grep -q "^program $index: $name\$" "$work/again.txt"
grep -q "^rendered 44100 frames at 44100 Hz" "$work/again.txt"

# The input is rendered at its own rate, and a mono input feeds both inputs alike.
sox -n -r 22050 -c 1 "$work/mono.flac" synth 0.5 sine 1000
"$render" "$plugin" --program 0 --input "$work/mono.flac" --tail 0 --output "$work/mono.wav" > "$work/mono.txt"
grep -q "^rendered 11025 frames at 22050 Hz" "$work/mono.txt"
[ "$(sed -n 's/^left: //p' "$work/mono.txt")" = "$(sed -n 's/^right: //p' "$work/mono.txt")" ]

# The tail the program reports follows the input, holding its echo; --tail sets it.
while read -r frames tail; do
  "$render" "$plugin" --program "Simple Delay" --seconds 0.5 $tail --output "$work/echo.wav" > "$work/echo.txt"
  grep -q "^rendered $frames frames" "$work/echo.txt" || { echo "${tail:-the reported tail}: not $frames frames"; exit 1; }
done <<EOF
22050 --tail 0
88200 --tail 1.5
110250
EOF
echo_rms=$(sox "$work/echo.wav" -n trim 0.5 stat 2>&1 | awk '/^RMS +amplitude/ { print $3 }')
awk -v rms="$echo_rms" 'BEGIN { exit !(rms > 0.01) }' || { echo "the tail holds no echo (RMS $echo_rms)"; exit 1; }

# The output's format follows its name, each with its best sample format.
while read -r extension magic encoding bits; do
  "$render" "$plugin" --seconds 0.2 --output "$work/format.$extension" > /dev/null
  [ "$(head -c 4 "$work/format.$extension")" = "$magic" ] || { echo ".$extension is not $magic"; exit 1; }
  soxi -e "$work/format.$extension" 2> /dev/null | grep -q "$encoding" || { echo ".$extension is not $encoding"; exit 1; }
  [ "$bits" = - ] || [ "$(soxi -b "$work/format.$extension" 2> /dev/null)" -eq "$bits" ] || { echo ".$extension: not $bits bits"; exit 1; }
done <<EOF
wav RIFF Floating -
AIFF FORM Floating -
caf caff Floating -
w64 riff Floating -
flac fLaC FLAC 24
ogg OggS Vorbis -
EOF

"$render" "$plugin" --help > "$work/help.txt"
"$render" -h | cmp -s - "$work/help.txt"
grep -q "^usage: orvane-render PLUGIN" "$work/help.txt"
"$render" "$plugin" --param 0=1.5 --save-program "$work/clamped.orv" 2> "$work/warning.txt" > /dev/null
grep -q "warning: --param 0=1.5 is outside 0..1" "$work/warning.txt"

# Each refusal exits 1 or 2 with its reason, before any rendering, and leaves
# no output behind: neither a new file nor a changed one.
sox -n -r 44100 -c 6 "$work/six.wav" synth 0.1 sine 440
echo "kept" > "$work/kept.wav"
while IFS='|' read -r reason arguments; do
  eval "set -- $arguments"
  if "$render" "$@" > "$work/refusal.out" 2> "$work/refusal.err"; then status=0; else status=$?; fi
  if [ "$status" -ne 1 ] && [ "$status" -ne 2 ]; then echo "exit $status: $arguments"; exit 1; fi
  grep -q "^orvane-render: .*$reason" "$work/refusal.err" || { echo "not \"$reason\": $arguments"; exit 1; }
  if grep -q "^program" "$work/refusal.out"; then echo "rendered first: $arguments"; exit 1; fi
  if [ -n "$(find "$work" -name 'refused*')" ] || [ "$(cat "$work/kept.wav")" != kept ]; then
    echo "output left behind: $arguments"
    exit 1
  fi
done <<EOF
no plug-in library given|--output "$work/refused.wav"
nothing to do|"$plugin"
needs an --output|"$plugin" --input "$work/out.wav"
unknown option --frobnicate|"$plugin" --frobnicate 1 --output "$work/refused.wav"
cannot read .*missing.wav|"$plugin" --input "$work/missing.wav" --output "$work/refused.wav"
has 6 channels|"$plugin" --input "$work/six.wav" --output "$work/refused.wav"
--rate 48000 contradicts|"$plugin" --input "$work/out.wav" --rate 48000 --output "$work/refused.wav"
--rate 1 is outside|"$plugin" --rate 1 --output "$work/refused.wav"
--seconds 1e9 is outside|"$plugin" --seconds 1e9 --output "$work/refused.wav"
--tail -1 is outside|"$plugin" --tail -1 --output "$work/refused.wav"
--block 0 is outside|"$plugin" --block 0 --output "$work/refused.wav"
does not hold stereo at 200000 Hz|"$plugin" --rate 200000 --output "$work/refused.ogg"
needs a number|"$plugin" --param 0=loud --output "$work/refused.wav"
cannot tell a format|"$plugin" --output "$work/refused.mp3"
Not a directory|"$plugin" --output "$work/list.txt/out.wav"
Not a directory|"$plugin" --output "$work/refused.wav" --save-bank "$work/list.txt/bank.orv"
no program "No Such Program"|"$plugin" --program "No Such Program" --output "$work/kept.wav"
no program "354"|"$plugin" --program 354 --output "$work/refused.wav"
no parameter "No Such Slider"|"$plugin" --param "No Such Slider=0.5" --save-program "$work/refused.orv"
refused the bank chunk|"$plugin" --load-bank "$work/program.orv" --output "$work/kept.wav"
|"$work/list.txt" --list
EOF
[ -z "$(find "$work" -name '*.??????')" ] || { echo "temporary files left behind"; exit 1; }

# A parameter that is not found is refused with the program's parameters listed.
if "$render" "$plugin" --program "Tone Generator" --param "Frequency=0.5" --output "$work/tone.wav" \
  2> "$work/refusal.err"; then exit 1; fi
grep -q '^  0 "Freq" Hz$' "$work/refusal.err"
# A parameter is found by its name or by its whole caption, name and unit.
"$render" "$plugin" --program "Tone Generator" --param "Freq=0.5" --param "freq hz=0.5" --seconds 1 \
  --output "$work/tone.wav" > /dev/null
libm=$(find /lib /usr/lib -name "libm.so.6" 2>/dev/null | head -1)
if [ -n "$libm" ] && "$render" "$libm" --list 2> /dev/null; then echo "accepted $libm"; exit 1; fi
echo "render tool: all checks passed"
