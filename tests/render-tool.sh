#!/bin/sh
# orvane-render renders through a program named on the command line, applies
# its options in one order, writes and reloads chunks, renders tails, writes
# the format its output's name asks for, replaces outputs only in full, and
# refuses what it cannot do before rendering, writing nothing.
set -eu
# Every check ends with "|| fail REASON", so that each of its parts can fail it.
fail() { echo "render tool: $*" >&2; exit 1; }
# Whether two renders are the same bytes but for the second their PEAK chunks
# say they were written in, which differs between renders a second apart.
same_render() {
  for file in "$1" "$2"; do
    cp "$file" "$file.same" || return 1
    peak=$(grep -boa PEAK "$file.same" | head -1 | cut -d: -f1)
    [ -z "$peak" ] || head -c 4 /dev/zero | dd of="$file.same" bs=1 seek=$((peak + 12)) conv=notrunc 2> /dev/null \
      || return 1
  done
  cmp -s "$1.same" "$2.same"
}
# The temporary files a run leaves in the work folder, under each name the
# renderer gives one: linked in beside a target, made beside it by mkstemp,
# or made in TMPDIR, where a run's TMPDIR is a folder in it.
leftovers() { find "$work" -name '.orvane-render.*' -o -name 'orvane-render.*' -o -name '*.??????'; }
render=$1
plugin=$2
work=$3
rm -rf "$work" && mkdir -p "$work"

"$render" "$plugin" --list > "$work/list.txt"
[ "$(wc -l < "$work/list.txt")" -eq 354 ] || fail "--list lists $(wc -l < "$work/list.txt") programs, not 354"
name=$(sed -n '80p' "$work/list.txt" | cut -c5-)
index=$(awk -v name="$name" 'substr($0, 5) == name { print $1; exit }' "$work/list.txt")

"$render" "$plugin" --program "$name" --param 0=0.25 --seconds 1 --block 300 --tail 0 \
  --output "$work/out.wav" --save-bank "$work/bank.orv" --save-program "$work/program.orv" > "$work/render.txt"
grep -q "^program $index: $name\$" "$work/render.txt" || fail "--program \"$name\" renders through another program"
grep -q "^rendered 44100 frames at 44100 Hz" "$work/render.txt" || fail "1 s at 44100 Hz is not 44100 frames"
[ "$(stat -c %s "$work/bank.orv")" -eq 885044 ] || fail "the bank chunk is not 885044 bytes"
[ "$(stat -c %s "$work/program.orv")" -eq 2544 ] || fail "the program chunk is not 2544 bytes"

"$render" "$plugin" --input "$work/out.wav" --rate 44100 --tail 0 --load-bank "$work/bank.orv" \
  --load-program "$work/program.orv" --output "$work/again.aiff" > "$work/again.txt" 2> "$work/again.err" \
  || fail "a rendered file with its saved chunks does not render: $(cat "$work/again.err")"
grep -q "^program $index: $name\$" "$work/again.txt" || fail "the saved chunks do not restore program $index"
grep -q "^rendered 44100 frames at 44100 Hz" "$work/again.txt" || fail "a rendered file does not render whole"

# The program chunk goes into the program selected, whatever the options'
# order, and --list lists a loaded bank; --option=value is accepted.
"$render" "$plugin" --load-program="$work/program.orv" --program=5 --save-bank="$work/renamed.orv" > "$work/order.txt"
grep -q "^program 5: $name\$" "$work/order.txt" || fail "the program chunk goes into another program than 5"
"$render" "$plugin" --list --load-bank "$work/renamed.orv" > "$work/renamed.txt"
grep -q "^  5 $name\$" "$work/renamed.txt" || fail "--list does not list a loaded bank"
# A name longer than the 23 characters a host is given is found by them.
"$render" "$plugin" --program "Psychoacoustic Bass Boost" --save-program "$work/long.orv" > "$work/long-name.txt"
grep -q "^program 87: " "$work/long-name.txt" || fail "a program name longer than 23 characters is not found"
[ "$("$render" "$plugin" --version)" = "Orvane Pro 1.5.0 (Brenlow, Inc.)" ] || fail "--version prints another name"
# A plug-in named without a folder is the file in the current one.
(cd "$(dirname "$plugin")" && "$render" "$(basename "$plugin")" --list) > "$work/list-here.txt" \
  || fail "a plug-in named without a folder is not found"
cmp -s "$work/list-here.txt" "$work/list.txt" || fail "a plug-in named without a folder lists otherwise"

# Standard input is read as --input -; an input cut short renders as far as it
# goes, with one warning however long the tail after it, and a whole one (or a
# render on no terminal) prints nothing on stderr.
"$render" "$plugin" --program 0 --input - --tail 0 --output "$work/stdin.wav" < "$work/out.wav" > "$work/stdin.txt" \
  2> "$work/stdin.err" || fail "standard input does not render: $(cat "$work/stdin.err")"
grep -q "^rendered 44100 frames" "$work/stdin.txt" || fail "standard input does not render whole"
[ ! -s "$work/stdin.err" ] || fail "a whole standard input warns: $(cat "$work/stdin.err")"
[ ! -s "$work/again.err" ] || fail "a whole input file warns: $(cat "$work/again.err")"
head -c 100000 "$work/out.wav" > "$work/cut.wav"
"$render" "$plugin" --program "Simple Delay" --input "$work/cut.wav" --output "$work/cut-out.wav" 2> "$work/cut.err" \
  > /dev/null || fail "an input cut short does not render: $(cat "$work/cut.err")"
grep -q "warning: .*cut.wav ends before the length its header announces" "$work/cut.err" \
  || fail "an input cut short is not warned of"
[ "$(wc -l < "$work/cut.err")" -eq 1 ] || fail "an input cut short warns more than once: $(cat "$work/cut.err")"
# With standard output and error closed, as a daemon may run it, neither the
# program line nor the warning lands in an output; with standard input
# closed, --input - says so.
"$render" "$plugin" --program "Simple Delay" --input - --output "$work/closed.wav" --save-bank "$work/closed.orv" \
  < "$work/cut.wav" >&- 2>&- || fail "a render with standard output and error closed fails"
same_render "$work/closed.wav" "$work/cut-out.wav" && [ "$(stat -c %s "$work/closed.orv")" -eq 885044 ] \
  || fail "printed into an output"
if "$render" "$plugin" --input - --output "$work/refused.wav" <&- 2> "$work/closed.err"; then
  fail "a closed standard input renders"
fi
grep -q "cannot read standard input (--input -): it is closed" "$work/closed.err" \
  || fail "a closed standard input is refused without saying so: $(cat "$work/closed.err")"

# Standard input renders as the same file does, whatever its format and
# codec: one that libsndfile reads alike from a pipe and a file (PCM or float
# in WAV, AIFF or AU) streams, and any other is copied into a temporary file
# first, gone afterwards. An input cut short renders as far as it goes, with
# one warning; one damaged partway, or two FLACs joined, as far as it decodes,
# saying so. A whole input warns of nothing, nor does a length that its
# header's writer could not fill in, nor a byte rate that is off (sox's MS
# ADPCM). An input whose header holds such a placeholder renders as the file
# written with its lengths does: to the input's end where the audio's length
# is one, to the audio's end where only the container's is.
"$render" "$plugin" --seconds 3 --tail 0 --output "$work/whole.wav" > /dev/null
for extension in aiff caf w64 au flac ogg; do sox -V1 "$work/whole.wav" "$work/whole.$extension"; done
head -c 60000 "$work/whole.flac" > "$work/cut.flac"
cat "$work/whole.flac" "$work/whole.flac" > "$work/joined.flac"
cp "$work/whole.flac" "$work/damaged.flac"
head -c 400 /dev/zero | tr '\0' U | dd of="$work/damaged.flac" bs=1 seek=60000 conv=notrunc 2> /dev/null
for file in ima-adpcm.wav ms-adpcm.wav ima-adpcm.w64; do sox -V1 "$work/whole.wav" -e "${file%.*}" "$work/$file"; done
sox -V1 "$work/whole.wav" -r 8000 -c 1 -e gsm-full-rate "$work/gsm.wav"
head -c 60000 "$work/ima-adpcm.wav" > "$work/cut-ima-adpcm.wav"
head -c 100000 "$work/whole.w64" > "$work/cut.w64"
sox -V1 "$work/whole.wav" -b 24 "$work/whole-24.aiff"
sox -V1 "$work/whole.wav" -b 16 "$work/whole-16.wav"
sox -V1 "$work/whole-24.aiff" -t aiff - | cat > "$work/placeholder-24.aiff"
# sox writes into a pipe the length it knows, so the 16-bit samples come raw.
sox -V1 "$work/whole-16.wav" -t raw - | sox -V1 -t raw -r 44100 -c 2 -e signed-integer -b 16 - -t wav - \
  | cat > "$work/placeholder-16.wav"
! cmp -s "$work/placeholder-16.wav" "$work/whole-16.wav" || fail "placeholder-16.wav holds its length"
# Makes $4: the file $1 with the container's size $3 and, after the audio, a
# 4,000-byte chunk whose header is $2.
trailing_chunk() {
  { cat "$work/$1"; printf "$2"; head -c 4000 /dev/zero | tr '\0' U; } > "$work/$4"
  printf "$3" | dd of="$work/$4" bs=1 seek=4 conv=notrunc 2> /dev/null
}
trailing_chunk whole-16.wav 'LIST\240\017\000\000' '\044\360\377\177' riff-placeholder.wav
trailing_chunk whole-24.aiff 'ANNO\000\000\017\240' '\177\000\000\000' form-placeholder.aiff
trailing_chunk whole-24.aiff 'ANNO\000\000\017\240' '\377\377\377\377' form-ffffffff.aiff
mkdir "$work/spool"
while read -r input written warning; do
  "$render" "$plugin" --program 0 --tail 0 --input "$work/$input" --output "$work/from-file.wav" \
    > "$work/from-file.txt" 2> "$work/from-file.err" || fail "$input: failed from a file"
  cat "$work/$input" | TMPDIR="$work/spool" timeout 60 "$render" "$plugin" --program 0 --tail 0 --input - \
    --output "$work/from-pipe.wav" > /dev/null 2> "$work/from-pipe.err" || fail "$input: failed from a pipe"
  same_render "$work/from-file.wav" "$work/from-pipe.wav" || fail "$input: renders otherwise from a pipe"
  if [ "$written" != - ]; then
    "$render" "$plugin" --program 0 --tail 0 --input "$work/$written" --output "$work/written.wav" > /dev/null \
      || fail "$written: failed"
    same_render "$work/from-file.wav" "$work/written.wav" || fail "$input: renders otherwise than $written"
  fi
  for err in "$work/from-file.err" "$work/from-pipe.err"; do
    if [ "$warning" = - ]; then [ ! -s "$err" ]; else [ "$(wc -l < "$err")" -eq 1 ] && grep -q "warning: .* $warning" "$err"; fi \
      || fail "$input: not \"$warning\": $(cat "$err")"
  done
  [ -z "$(ls -A "$work/spool")" ] || fail "$input: the copy of standard input is left behind"
done <<EOF
whole.aiff - -
whole.caf - -
whole.w64 - -
whole.au - -
whole.flac - -
whole.ogg - -
ms-adpcm.wav - -
gsm.wav - -
ima-adpcm.w64 - -
placeholder-24.aiff whole-24.aiff -
placeholder-16.wav whole-16.wav -
riff-placeholder.wav whole-16.wav -
form-placeholder.aiff whole-24.aiff -
form-ffffffff.aiff whole-24.aiff -
cut.wav - ends before the length its header announces
cut.flac - ends before the length its header announces
cut-ima-adpcm.wav - ends before the length its header announces
cut.w64 - ends before the length its header announces
damaged.flac - cannot be decoded past its first
joined.flac - cannot be decoded past its first 132300 frames
EOF
# The damaged FLAC renders the frames its warning names, fewer than the whole.
"$render" "$plugin" --program 0 --tail 0 --input "$work/damaged.flac" --output "$work/from-file.wav" \
  > "$work/damaged.txt" 2> "$work/damaged.err" || fail "damaged.flac: failed"
decoded=$(sed -n 's/.* cannot be decoded past its first \([0-9]*\) frames.*/\1/p' "$work/damaged.err")
[ "${decoded:-132300}" -lt 132300 ] || fail "damaged.flac: decoded to its end: $(cat "$work/damaged.err")"
grep -q "^rendered $decoded frames" "$work/damaged.txt" || fail "damaged.flac: not the $decoded frames it warns of"

# A producer that writes in small pieces renders as the same bytes in a file
# do: sox encoding a FLAC whose length it cannot know, no bar to an AIFF (each
# encoding is dithered anew, so the bytes piped are kept to compare). The copy
# is made in TMPDIR; a WAV whose header comes in pieces streams, needing none.
sox -V1 "$work/whole.wav" -t raw - | sox -V1 -t raw -r 44100 -c 2 -e floating-point -b 32 - -t flac - \
  | tee "$work/piped.flac" \
  | timeout 60 "$render" "$plugin" --program 0 --tail 0 --input - --output "$work/from-pipe.aiff" > /dev/null \
  2> "$work/from-pipe.err" || fail "a FLAC sox encodes into a pipe does not render: $(cat "$work/from-pipe.err")"
"$render" "$plugin" --program 0 --tail 0 --input "$work/piped.flac" --output "$work/from-file.aiff" > /dev/null
same_render "$work/from-file.aiff" "$work/from-pipe.aiff" || fail "a FLAC sox encodes into a pipe renders otherwise than its file"
[ ! -s "$work/from-pipe.err" ] || fail "a FLAC sox encodes into a pipe warns: $(cat "$work/from-pipe.err")"
if cat "$work/whole.flac" | TMPDIR="$work/missing" timeout 60 "$render" "$plugin" --input - \
  --output "$work/spooled.wav" > /dev/null 2> "$work/spool.err"; then fail "a piped FLAC renders with TMPDIR missing"; fi
grep -q "cannot make a temporary file in $work/missing" "$work/spool.err" \
  || fail "a missing TMPDIR is not named: $(cat "$work/spool.err")"
{ head -c 2 "$work/out.wav"; sleep 0.2; head -c 40 "$work/out.wav" | tail -c +3; sleep 0.2; tail -c +41 "$work/out.wav"; } \
  | TMPDIR="$work/missing" timeout 60 "$render" "$plugin" --program 0 --tail 0 --input - --output "$work/pieces.wav" \
  > "$work/pieces.txt" || fail "a WAV whose header comes in pieces does not stream"
grep -q "^rendered 44100 frames" "$work/pieces.txt" || fail "a WAV whose header comes in pieces does not render whole"
# A stream ends at the length its header gives, though its writer keeps the
# pipe open; a non-blocking standard input, as an event loop may hand over, is
# read whole however long its writer pauses, streamed or copied.
rm -f "$work/open.fifo" && mkfifo "$work/open.fifo"
exec 3<> "$work/open.fifo"
cat "$work/whole-16.wav" >&3 &
timeout 20 "$render" "$plugin" --program 0 --tail 0 --input - --output "$work/open.wav" < "$work/open.fifo" \
  > "$work/open.txt" || fail "a stream whose writer keeps the pipe open is not ended at its length"
wait $! || fail "a stream's writer failed"
exec 3>&-
grep -q "^rendered 132300 frames" "$work/open.txt" || fail "a stream whose writer keeps the pipe open renders otherwise"
for input in whole-16.wav whole.flac; do
  { head -c 50000 "$work/$input"; sleep 0.3; tail -c +50001 "$work/$input"; } \
    | perl -MFcntl -e 'fcntl(STDIN, F_SETFL, fcntl(STDIN, F_GETFL, 0) | O_NONBLOCK) or die; exec @ARGV' \
      "$render" "$plugin" --program 0 --tail 0 --input - --output "$work/nonblocking.wav" > "$work/nonblocking.txt" \
      2> "$work/nonblocking.err" || fail "$input: a non-blocking standard input fails: $(cat "$work/nonblocking.err")"
  grep -q "^rendered 132300 frames" "$work/nonblocking.txt" && [ ! -s "$work/nonblocking.err" ] \
    || fail "$input: a non-blocking standard input is not read whole: $(cat "$work/nonblocking.err")"
done
# A header larger than the pipe holds renders as its file does: a 40,000-byte
# chunk before the audio, written 2,049 bytes at a time, which fills the pipe
# at half its capacity. An input too short to tell its format, and a header
# cut short, are refused at once, writing nothing.
{ head -c 12 "$work/whole-16.wav"; printf 'JUNK\100\234\000\000'; head -c 40000 /dev/zero; tail -c +13 "$work/whole-16.wav"; } \
  > "$work/junk.wav"
perl -e 'print pack "V", $ARGV[0] - 8' "$(stat -c %s "$work/junk.wav")" \
  | dd of="$work/junk.wav" bs=1 seek=4 conv=notrunc 2> /dev/null
"$render" "$plugin" --program 0 --tail 0 --input "$work/junk.wav" --output "$work/from-file.wav" > /dev/null \
  || fail "junk.wav: failed from a file"
dd if="$work/junk.wav" bs=2049 2> /dev/null | timeout 60 "$render" "$plugin" --program 0 --tail 0 --input - \
  --output "$work/from-pipe.wav" > /dev/null || fail "junk.wav: failed from a pipe written 2,049 bytes at a time"
same_render "$work/from-file.wav" "$work/from-pipe.wav" || fail "junk.wav: renders otherwise from a pipe"
for bytes in 3 1000; do
  if head -c $bytes "$work/junk.wav" | timeout 60 "$render" "$plugin" --input - --output "$work/refused.wav" \
    > /dev/null 2> "$work/short.err"; then status=0; else status=$?; fi
  [ "$status" -eq 1 ] || fail "the first $bytes bytes of junk.wav: exit $status, not 1"
  grep -q "^orvane-render: cannot read -: " "$work/short.err" || fail "the first $bytes bytes of junk.wav: not \"cannot read\""
  [ ! -e "$work/refused.wav" ] || fail "the first $bytes bytes of junk.wav: output left behind"
done
# A stream whose header holds sox's placeholder length renders to its end,
# past that length.
{ sox -V1 -n -r 384000 -c 2 -e floating-point -b 64 -t wav - trim 0 0; head -c $((0x7ffff000 + 16000)) /dev/zero; } \
  | timeout 300 "$render" "$plugin" --program 0 --tail 0 --block 8192 --input - --output "$work/long.flac" \
  > "$work/long.txt" || fail "a stream with sox's placeholder length does not render"
grep -q "^rendered 134218472 frames" "$work/long.txt" || fail "a stream with sox's placeholder length stops at it"
rm "$work/long.flac"
# An input that decodes not at all is refused, writing nothing.
cp "$work/whole.flac" "$work/undecodable.flac"
head -c 20000 /dev/zero | tr '\0' U | dd of="$work/undecodable.flac" bs=1 seek=200 conv=notrunc 2> /dev/null
if "$render" "$plugin" --input "$work/undecodable.flac" --output "$work/undecodable.wav" > /dev/null 2> "$work/undecodable.err"
then fail "an undecodable input renders"; fi
grep -q "cannot read .*undecodable.flac: .*lost sync" "$work/undecodable.err" \
  || fail "an undecodable input is refused without its cause: $(cat "$work/undecodable.err")"
[ ! -e "$work/undecodable.wav" ] || fail "an undecodable input leaves an output"

# A program that silences one side silences that side of the file.
while read -r silent sounding program; do
  "$render" "$plugin" --program "$program" --seconds 1 --output "$work/side.wav" > /dev/null
  for channel in $silent $sounding; do
    rms=$(sox "$work/side.wav" -n remix "$channel" stat 2>&1 | awk '/^RMS +amplitude/ { print $3 }')
    if [ "$channel" = "$silent" ]; then want="rms == 0"; else want="rms > 0.01"; fi
    awk -v rms="$rms" "BEGIN { exit !($want) }" || fail "$program: channel $channel has RMS $rms"
  done
done <<EOF
1 2 Zero Left Channel
2 1 Zero Right Channel
EOF

# The input is rendered at its own rate, and a mono input feeds both inputs alike.
sox -n -r 22050 -c 1 "$work/mono.flac" synth 0.5 sine 1000
"$render" "$plugin" --program 0 --input "$work/mono.flac" --tail 0 --output "$work/mono.wav" > "$work/mono.txt"
grep -q "^rendered 11025 frames at 22050 Hz" "$work/mono.txt" || fail "a 22050 Hz input is not rendered at its rate"
[ "$(sed -n 's/^left: //p' "$work/mono.txt")" = "$(sed -n 's/^right: //p' "$work/mono.txt")" ] \
  || fail "a mono input does not feed both inputs alike"

# A render starts as the program chunk holding its options' values does when
# loaded, whatever its input's source and rate: slider 0 of "PitchSweep
# DownUp" sets where its LFO starts, and is heard.
sox -V1 "$work/whole.wav" -r 48000 "$work/whole-48k.flac"
for phase in 0.2 0.7; do
  set -- "$render" "$plugin" --program 242 --tail 0
  "$@" --param 0=$phase --input "$work/whole-48k.flac" --output "$work/phase-$phase.wav" \
    --save-program "$work/phase.orv" > /dev/null || fail "--param 0=$phase: failed from a file"
  cat "$work/whole-48k.flac" | "$@" --param 0=$phase --input - --output "$work/phase-pipe.wav" > /dev/null \
    || fail "--param 0=$phase: failed from a pipe"
  same_render "$work/phase-$phase.wav" "$work/phase-pipe.wav" || fail "--param 0=$phase renders otherwise from a pipe"
  "$@" --load-program "$work/phase.orv" --input "$work/whole-48k.flac" --output "$work/phase-chunk.wav" > /dev/null \
    || fail "--param 0=$phase: its program chunk failed to render"
  same_render "$work/phase-$phase.wav" "$work/phase-chunk.wav" || fail "--param 0=$phase renders otherwise than its program chunk"
done
! same_render "$work/phase-0.2.wav" "$work/phase-0.7.wav" || fail "--param 0= does not move where the LFO starts"

# The tail the program reports follows the input, holding its echo; --tail sets it.
while read -r frames tail; do
  "$render" "$plugin" --program "Simple Delay" --seconds 0.5 $tail --output "$work/echo.wav" > "$work/echo.txt"
  grep -q "^rendered $frames frames" "$work/echo.txt" || fail "${tail:-the reported tail}: not $frames frames"
done <<EOF
22050 --tail 0
88200 --tail 1.5
110250
EOF
# A program that reports no tail renders its input alone.
"$render" "$plugin" --program 0 --seconds 0.5 --output "$work/no-tail.wav" > "$work/no-tail.txt"
grep -q "^rendered 22050 frames" "$work/no-tail.txt" || fail "a program that reports no tail renders one"
echo_rms=$(sox "$work/echo.wav" -n trim 0.5 stat 2>&1 | awk '/^RMS +amplitude/ { print $3 }')
awk -v rms="$echo_rms" 'BEGIN { exit !(rms > 0.01) }' || fail "the tail holds no echo (RMS $echo_rms)"

# The output's format follows its name, each with its best sample format.
while read -r extension magic encoding bits; do
  "$render" "$plugin" --seconds 0.2 --output "$work/format.$extension" > /dev/null
  [ "$(head -c 4 "$work/format.$extension")" = "$magic" ] || fail ".$extension is not $magic"
  soxi -e "$work/format.$extension" 2> /dev/null | grep -q "$encoding" || fail ".$extension is not $encoding"
  [ "$bits" = - ] || [ "$(soxi -b "$work/format.$extension" 2> /dev/null)" -eq "$bits" ] || fail ".$extension: not $bits bits"
done <<EOF
wav RIFF Floating -
AIFF FORM Floating -
caf caff Floating -
w64 riff Floating -
flac fLaC FLAC 24
ogg OggS Vorbis -
EOF

"$render" "$plugin" --help > "$work/help.txt"
"$render" -h > "$work/short-help.txt"
cmp -s "$work/short-help.txt" "$work/help.txt" || fail "-h prints otherwise than --help"
grep -q "^usage: orvane-render PLUGIN" "$work/help.txt" || fail "--help prints no usage"
"$render" "$plugin" --param 0=1.5 --save-program "$work/clamped.orv" 2> "$work/warning.txt" > /dev/null \
  || fail "a parameter outside 0..1 is refused: $(cat "$work/warning.txt")"
grep -q "warning: --param 0=1.5 is outside 0..1" "$work/warning.txt" || fail "a parameter outside 0..1 is not warned of"

# Each refusal exits 1 (failed) or 2 (wrong command line, then a hint to
# --help in place of the usage) with its reason, before any rendering, and leaves no output
# behind: neither a new file nor a changed one.
sox -n -r 44100 -c 6 "$work/six.wav" synth 0.1 sine 440
mkdir -p "$work/refusals"
echo "kept" > "$work/kept.wav"
mkdir -p "$work/linked"
echo "kept" > "$work/linked/kept.wav"
ln -s linked/kept.wav "$work/link.wav"
ln -s refused.orv "$work/dangling.wav"
# A FIFO that holds the start of a FLAC and never ends, also standard input:
# an input the renderer would have to read whole to decode, so what can be
# refused is refused first. A FIFO no one has open would hold up whoever
# opens it, so it is refused before it is opened.
rm -f "$work/pending.fifo" "$work/unopened.fifo" && mkfifo "$work/pending.fifo" "$work/unopened.fifo"
exec 5<> "$work/pending.fifo"
head -c 60000 "$work/whole.flac" >&5
while IFS='|' read -r expected reason arguments; do
  eval "set -- $arguments"
  if TMPDIR="$work/spool" timeout 10 "$render" "$@" < "$work/pending.fifo" > "$work/refusal.out" \
    2> "$work/refusal.err" 5>&-; then status=0; else status=$?; fi
  [ "$status" -eq "$expected" ] || fail "exit $status, not $expected: $arguments"
  grep -q "^orvane-render: .*$reason" "$work/refusal.err" || fail "not \"$reason\": $arguments"
  if [ "$status" -eq 2 ]; then
    tail -1 "$work/refusal.err" | grep -q -- --help && ! grep -q "usage:" "$work/refusal.err" \
      || fail "the usage, not a hint to --help: $arguments"
  fi
  if grep -q "^program" "$work/refusal.out"; then fail "rendered first: $arguments"; fi
  if [ -n "$(find "$work" -name 'refused*')" ] || [ "$(cat "$work/kept.wav")" != kept ]; then
    fail "output left behind: $arguments"
  fi
done <<EOF
2|no plug-in library given|--output "$work/refused.wav"
2|nothing to do|"$plugin"
2|needs an --output|"$plugin" --input "$work/out.wav"
2|unknown option --frobnicate|"$plugin" --frobnicate 1 --output "$work/refused.wav"
2|unknown argument P|"$plugin" --list P
2|--list takes no value|"$plugin" --list=P
2|--output needs a value|"$plugin" --output
1|cannot read .*missing.wav|"$plugin" --input "$work/missing.wav" --output "$work/refused.wav"
1|has 6 channels|"$plugin" --input "$work/six.wav" --output "$work/refused.wav"
2|--rate 48000 contradicts|"$plugin" --input "$work/out.wav" --rate 48000 --output "$work/refused.wav"
2|--rate 1 is outside|"$plugin" --rate 1 --output "$work/refused.wav"
2|--seconds 1e9 is outside|"$plugin" --seconds 1e9 --output "$work/refused.wav"
2|--tail -1 is outside|"$plugin" --tail -1 --output "$work/refused.wav"
2|--block 0 is outside|"$plugin" --block 0 --output "$work/refused.wav"
1|does not hold stereo at 200000 Hz|"$plugin" --rate 200000 --output "$work/refused.ogg"
1|runs past the 4 GiB a .aiff file holds|"$plugin" --rate 384000 --seconds 3600 --output "$work/refused.aiff"
2|needs a number|"$plugin" --param 0=loud --output "$work/refused.wav"
2|cannot tell a format|"$plugin" --output "$work/refused.mp3"
2|--output -: outputs are written to files only|"$plugin" --output -
2|--save-bank -: outputs are written to files only|"$plugin" --save-bank - --output "$work/refused.wav"
2|name the same file|"$plugin" --output "$work/kept.wav" --save-bank "$work/linked/../kept.wav"
2|name the same file|"$plugin" --output "$work/link.wav" --save-program "$work/linked/kept.wav"
2|name the same file|"$plugin" --output "$work/dangling.wav" --save-bank "$work/refused.orv"
1|refused.wav: No such file or directory|"$plugin" --output "$work/missing/refused.wav" --save-bank "$work/missing/refused.orv"
1|Not a directory|"$plugin" --output "$work/list.txt/out.wav"
1|Not a directory|"$plugin" --output "$work/refused.wav" --save-bank "$work/list.txt/bank.orv"
2|no program "No Such Program"|"$plugin" --program "No Such Program" --output "$work/kept.wav"
2|no program "354"|"$plugin" --program 354 --output "$work/refused.wav"
2|no parameter "No Such Slider"|"$plugin" --param "No Such Slider=0.5" --save-program "$work/refused.orv"
1|refused the bank chunk|"$plugin" --load-bank "$work/program.orv" --output "$work/kept.wav"
1|cannot load /dev/zero: it is larger than a bank chunk|"$plugin" --load-bank /dev/zero --output "$work/kept.wav"
1|cannot read .*/refusals: it is a folder|"$plugin" --load-bank "$work/refusals" --output "$work/kept.wav"
1|cannot read .*missing.bank: No such file or directory|"$plugin" --load-program "$work/missing.bank" --list
1|list.txt is not a VST 2.4 plug-in|"$work/list.txt" --list
1|is a folder, not a VST 2.4 plug-in|"$work" --list
2|name the same file|"$plugin" --input "$work/pending.fifo" --output "$work/pending.fifo"
2|name the same file|"$plugin" --input - --output "$work/pending.fifo"
2|name the same file|"$plugin" --input "$work/unopened.fifo" --output "$work/unopened.fifo"
2|no program "Typo"|"$plugin" --program Typo --input "$work/pending.fifo" --output "$work/refused.wav"
1|Not a directory|"$plugin" --input "$work/pending.fifo" --output "$work/list.txt/out.wav"
1|list.txt is not a VST 2.4 plug-in|"$work/list.txt" --input "$work/pending.fifo" --output "$work/refused.wav"
EOF
exec 5>&-
[ -z "$(leftovers)" ] || fail "temporary files left behind: $(leftovers)"
# Through a bind mount one file has two paths: outputs are told apart by
# device and inode, whether the file exists yet or not.
bound=$(mktemp -d)
mkdir "$bound/a" "$bound/b"
if mount --bind "$bound/a" "$bound/b" 2> /dev/null; then
  if (
    for before in missing kept; do
      rm -f "$bound/a/same.wav"
      [ "$before" = missing ] || echo "$before" > "$bound/a/same.wav"
      if "$render" "$plugin" --output "$bound/a/same.wav" --save-bank "$bound/b/same.wav" > /dev/null \
        2> "$work/bound.err"; then status=0; else status=$?; fi
      [ "$status" -eq 2 ] && grep -q "name the same file" "$work/bound.err" \
        || fail "$before: one file under two paths is not refused: exit $status, $(cat "$work/bound.err")"
      [ "$(cat "$bound/a/same.wav" 2> /dev/null || echo missing)" = "$before" ] \
        || fail "$before: one file under two paths is written"
    done
  ); then bound_paths=passed; else bound_paths=failed; fi
  umount "$bound/b"
  [ "$bound_paths" = passed ] || fail "the bind-mount cases failed"
  # A target mounted over cannot be replaced: a run that fails there leaves
  # every output as it was, an existing one and one that was not there.
  mkdir "$bound/c"
  echo kept > "$bound/c/kept.wav"
  echo kept > "$bound/c/mounted.orv"
  echo kept > "$bound/volume.orv"
  mount --bind "$bound/volume.orv" "$bound/c/mounted.orv" || fail "a file cannot be bound here"
  if "$render" "$plugin" --seconds 0.1 --output "$bound/c/kept.wav" --save-bank "$bound/c/new.orv" \
    --save-program "$bound/c/mounted.orv" > /dev/null 2> "$work/bound.err"; then status=0; else status=$?; fi
  umount "$bound/c/mounted.orv"
  [ "$status" -eq 1 ] && [ "$(cat "$work/bound.err")" = \
    "orvane-render: cannot write $bound/c/mounted.orv: Device or resource busy" ] \
    || fail "a target mounted over: exit $status, $(cat "$work/bound.err")"
  [ "$(cat "$bound/c/kept.wav")" = kept ] || fail "a run that fails at its last output replaces the first"
  [ "$(ls -A "$bound/c" | tr '\n' ' ')" = "kept.wav mounted.orv " ] \
    || fail "a run that fails at its last output leaves $(ls -A "$bound/c")"
else
  echo "render tool: skipping the bind-mount case: no folder can be bound here"
fi
rm -r "$bound"
# Where the file system cannot exchange two names (renameat2 fails with
# EINVAL, as on NFS) or the kernel has no renameat2 (ENOSYS), outputs are
# renamed over their targets. A sanitized build lets its runtime come after
# the stand-in.
cat > "$work/no-exchange.c" <<'SHIM'
#include <errno.h>
#include <stdio.h>
#include <string.h>
int renameat2(int a, const char *b, int c, const char *d, unsigned e)
{ if (e == 0) return renameat(a, b, c, d); errno = strstr(d, ".wav") ? EINVAL : ENOSYS; return -1; }
SHIM
cc -shared -fPIC -o "$work/no-exchange.so" "$work/no-exchange.c" || fail "the renameat2 stand-in does not build"
echo kept > "$work/exchanged.wav"
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" LD_PRELOAD="$work/no-exchange.so" \
  "$render" "$plugin" --seconds 0.1 --output "$work/exchanged.wav" \
  --save-program "$work/exchanged.orv" > /dev/null || fail "where names cannot be exchanged, the outputs fail"
[ "$(head -c 4 "$work/exchanged.wav")" = RIFF ] && [ "$(stat -c %s "$work/exchanged.orv")" -eq 2544 ] \
  || fail "where names cannot be exchanged, the outputs are not in place"

# A name that several programs bear is refused with each and its index.
if "$render" "$plugin" --program "VariBand EnvFol CrossPa" --output "$work/refused.wav" 2> "$work/refusal.err"; then
  fail "an ambiguous program name renders"
fi
grep -q "is ambiguous" "$work/refusal.err" || fail "an ambiguous program name is not called so"
grep -q "^  212 VariBand" "$work/refusal.err" && grep -q "^  213 VariBand" "$work/refusal.err" \
  || fail "an ambiguous program name is refused without the programs that bear it"

# A parameter that is not found is refused with the program's parameters listed.
if "$render" "$plugin" --program "Tone Generator" --param "Frequency=0.5" --output "$work/tone.wav" \
  2> "$work/refusal.err"; then fail "a parameter that is not found is set"; fi
grep -q '^  0 "Freq" Hz$' "$work/refusal.err" || fail "a parameter that is not found is refused without the parameters"
# A parameter is found by its name or by its whole caption, name and unit.
"$render" "$plugin" --program "Tone Generator" --param "Freq=0.5" --param "freq hz=0.5" --seconds 1 \
  --output "$work/tone.wav" > /dev/null
libm=$(find /lib /usr/lib -name "libm.so.6" 2>/dev/null | head -1)
if [ -n "$libm" ] && "$render" "$libm" --list 2> /dev/null; then fail "accepted $libm"; fi

# Where the folder's file system makes files without names (O_TMPFILE | O_RDWR
# on Linux), outputs are made so: no name is added to a target's, so any
# legal name serves, and even SIGKILL leaves nothing behind.
if perl -MPOSIX -e 'defined POSIX::open($ARGV[0], 020200002, 0600) or exit 1' "$work" 2> /dev/null; then
  unnamed=yes
  long_name=$(printf '%0251d' 0).wav
  "$render" "$plugin" --seconds 0.1 --output "$work/$long_name" > /dev/null
  [ "$(head -c 4 "$work/$long_name")" = RIFF ] || fail "an output with a name of 255 bytes is not written"
else
  unnamed=no
  echo "render tool: skipping the unnamed-output cases: the work folder makes no files without names"
fi
# Replacing an output through a symbolic link replaces the file it points to
# and keeps the link; an existing file keeps its permissions.
chmod 640 "$work/linked/kept.wav"
"$render" "$plugin" --seconds 0.1 --output "$work/link.wav" > /dev/null
[ -L "$work/link.wav" ] || fail "an output named through a symbolic link replaces the link"
[ "$(head -c 4 "$work/linked/kept.wav")" = RIFF ] || fail "the file a symbolic link points to is not replaced"
[ "$(stat -c %a "$work/linked/kept.wav")" = 640 ] || fail "a replaced file loses its permissions"
# An output that is a FIFO, or a link to one, is written into, never replaced:
# its reader gets the file a render to a file gives, once it is complete. A
# reader that leaves, having read a little or nothing, fails the run before
# any other output is written or replaced. A folder removed while a FIFO is
# written fails the run once the files before it are linked in, where outputs
# are made without names; they go, and no temporary name is left.
mkfifo "$work/special.wav"
ln -s special.wav "$work/special-link.wav"
timeout 60 cat "$work/special.wav" > "$work/from-fifo.wav" &
timeout 60 "$render" "$plugin" --seconds 0.5 --output "$work/special-link.wav" > /dev/null || fail "a FIFO output fails"
wait $! || fail "a FIFO output's reader got no end"
"$render" "$plugin" --seconds 0.5 --output "$work/regular.wav" > /dev/null
same_render "$work/from-fifo.wav" "$work/regular.wav" && [ -p "$work/special.wav" ] && [ -L "$work/special-link.wav" ] \
  || fail "a FIFO output is replaced or written otherwise"
mkfifo "$work/special.orv"
echo "kept" > "$work/kept.orv"
while IFS='|' read -r fifo kept unsaved failure reader arguments; do
  case $unsaved in gone/*) [ "$unnamed" = yes ] || continue; mkdir "$work/gone" ;; esac
  eval "set -- $arguments"
  timeout 60 sh -c "$reader" sh "$work/$fifo" &
  if TMPDIR="$work/spool" timeout 60 "$render" "$plugin" "$@" > /dev/null 2> "$work/special.err"; then status=0
  else status=$?; fi
  wait $! || fail "$fifo: its reader failed"
  [ "$status" -eq 1 ] || fail "$fifo: \"$failure\" ends the run with $status, not 1"
  grep -q "^orvane-render: cannot write .*$failure\$" "$work/special.err" \
    || fail "$fifo: not \"$failure\": $(cat "$work/special.err")"
  [ "$(cat "$work/$kept")" = kept ] || fail "$fifo: \"$failure\", yet $kept is replaced"
  [ ! -e "$work/$unsaved" ] || fail "$fifo: \"$failure\", yet $unsaved is written"
  [ -z "$(leftovers)" ] || fail "$fifo: \"$failure\" leaves temporary files behind: $(leftovers)"
done <<EOF
special.wav|kept.orv|unsaved.orv|special.wav: Broken pipe|head -c 1000 "\$1" > /dev/null|--seconds 1 --output "$work/special.wav" --save-bank "$work/kept.orv" --save-program "$work/unsaved.orv"
special.orv|kept.wav|unsaved.orv|special.orv: Broken pipe|: < "\$1"|--seconds 0.1 --output "$work/kept.wav" --save-bank "$work/special.orv" --save-program "$work/unsaved.orv"
special.orv|kept.wav|gone/unsaved.orv|gone/unsaved.orv: No such file or directory|{ head -c 4 > /dev/null; rm -r "$work/gone"; cat > /dev/null; } < "\$1"|--seconds 0.1 --output "$work/kept.wav" --save-bank "$work/special.orv" --save-program "$work/gone/unsaved.orv"
EOF
# A writable file in a folder the user may not write to is refused with why.
# Root writes anywhere, so as root the case runs as an unprivileged user, in a
# folder of its own that user can reach wherever the build lies.
if [ "$(id -u)" -eq 0 ]; then as_user="setpriv --reuid=65534 --regid=65534 --clear-groups"; else as_user=; fi
reachable=$(mktemp -d)
chmod 755 "$reachable"
cp "$render" "$plugin" "$reachable/"
mkdir "$reachable/locked"
echo "kept" > "$reachable/locked/kept.wav"
chmod 666 "$reachable/locked/kept.wav"
chmod 555 "$reachable/locked"
if $as_user "$reachable/$(basename "$render")" "$reachable/$(basename "$plugin")" --seconds 0.1 \
  --output "$reachable/locked/kept.wav" 2> "$work/locked.err"; then fail "a file in a locked folder is replaced"; fi
grep -q "cannot replace .*kept.wav: its folder .*locked is not writable" "$work/locked.err" \
  || fail "a file in a locked folder is refused without why: $(cat "$work/locked.err")"
# The same user may write /dev/null but not replace it: a device named as the
# output is written into, as a .wav when its name says no format.
$as_user "$reachable/$(basename "$render")" "$reachable/$(basename "$plugin")" --seconds 0.1 --output /dev/null \
  > "$work/null.txt" || fail "--output /dev/null fails"
grep -q "^rendered 4410 frames" "$work/null.txt" || fail "--output /dev/null renders otherwise"
[ -c /dev/null ] || fail "/dev/null is replaced"
# A file root replaces keeps its owner and group, who can still read it.
if [ -n "$as_user" ]; then
  echo "kept" > "$work/owned.wav"
  chown 65534:65533 "$work/owned.wav" && chmod 600 "$work/owned.wav"
  "$render" "$plugin" --seconds 0.1 --output "$work/owned.wav" > /dev/null
  [ "$(stat -c %u:%g:%a "$work/owned.wav")" = 65534:65533:600 ] \
    || fail "a file root replaces is $(stat -c %u:%g:%a "$work/owned.wav"), not its owner's"
fi
chmod 755 "$reachable/locked"
rm -rf "$reachable"

# A stop signal removes the temporaries, leaves the targets untouched and ends
# the renderer by itself, so that a shell sees it (and a shell script stops on
# Ctrl-C); a signal ignored at the start, as nohup ignores SIGHUP, stays
# ignored. The input is a pipe that stays open: the render has begun once it
# has taken most of what it is given, and then waits on it. Or the renderer
# waits on a bank's FIFO whose reader has taken its first bytes and reads no
# more, as a paused player does, with the other outputs ready. A shell starts
# background jobs with SIGINT and SIGQUIT ignored, which the renderer
# respects, hence env; setsid makes each job a group the signal is sent to.
ulimit -c 0
# Where a mount namespace can be made, one run has /proc hidden, so that its
# outputs are made beside their targets under temporary names, as where the
# file system makes no files without names.
hide_proc="mount -t tmpfs none /proc"
if unshare -rm sh -c "$hide_proc" 2> /dev/null; then named=yes; else named=no; fi
echo "kept" > "$work/kept.orv"
# Whether process $1 has a handler for signal $2: its bit in SigCgt, a hex mask.
catches() {
  bit=$(( $(bash -c 'kill -l "$1"' bash "$2") - 1 ))
  digit=$(sed -n 's/^SigCgt:[[:space:]]*//p' "/proc/$1/status" | cut -c $(( 16 - bit / 4 )))
  [ $(( 0x$digit >> (bit % 4) & 1 )) -eq 1 ]
}
# Waits up to 10 s, well within the minute a FIFO's reader below lasts, for
# process $1 to end, and kills its group if it does not.
ends() {
  timeout 10 sh -c 'while grep -qs "^State:[[:space:]]*[^Z]" "/proc/$1/status"; do sleep 0.05; done' sh "$1" \
    || { kill -s KILL -- "-$1"; return 1; }
}
while read -r signal status started waits; do
  [ "$signal" != KILL ] || [ "$unnamed" = yes ] || continue
  [ "$started" != named ] || [ "$named" = yes ] || continue
  rm -f "$work/input.fifo" && mkfifo "$work/input.fifo"
  exec 3<> "$work/input.fifo"
  set -- "$render" "$plugin" --input "$work/input.fifo" --output "$work/kept.wav" \
    --save-bank "$work/kept.orv" --save-program "$work/new.orv"
  if [ "$waits" = bank ]; then
    rm -f "$work/bank.fifo" "$work/started" && mkfifo "$work/bank.fifo"
    timeout 60 sh -c 'head -c 4 > "$1"; exec sleep 60' sh "$work/started" < "$work/bank.fifo" &
    reader=$!
    set -- "$render" "$plugin" --seconds 0.1 --output "$work/kept.wav" --save-bank "$work/bank.fifo" \
      --save-program "$work/new.orv"
  fi
  case $started in
    by-bash) set -- bash -c '"$@" > /dev/null; echo "went on"' bash "$@" ;;
    ignoring) set -- env --ignore-signal="$signal" "$@" ;;
    named) set -- unshare -rm sh -c "$hide_proc && exec \"\$@\"" sh "$@" ;;
  esac
  env --default-signal=INT,QUIT TMPDIR="$work/spool" setsid "$@" > "$work/signal.out" 3>&- &
  group=$!
  if [ "$waits" = bank ]; then
    timeout 60 sh -c 'until [ -s "$1" ]; do sleep 0.05; done' sh "$work/started" || fail "SIG$signal: the bank's FIFO got nothing"
  else
    timeout 60 head -c 200000 "$work/out.wav" >&3 || fail "SIG$signal: the render took no input"
  fi
  # Where no name is left to remove, the handler shows only in the process's table.
  case $signal/$started in
    KILL/*|*/by-bash) ;;
    */ignoring) ! catches $group "$signal" || fail "SIG$signal: an ignored signal taken over" ;;
    *) catches $group "$signal" || fail "SIG$signal: not a stop signal" ;;
  esac
  kill -s "$signal" -- -$group
  [ "$started" != ignoring ] || kill -s TERM -- -$group
  ends $group || fail "SIG$signal: the run goes on"
  if wait $group 2> /dev/null; then result=0; else result=$?; fi
  [ "$result" -eq "$status" ] || fail "SIG$signal: exit $result, not $status"
  ! grep -qv "^program " "$work/signal.out" || fail "SIG$signal: the run went on: $(cat "$work/signal.out")"
  [ -z "$(leftovers)" ] || fail "SIG$signal: temporary files left behind: $(leftovers)"
  [ "$(cat "$work/kept.wav")" = kept ] || fail "SIG$signal: kept.wav is replaced"
  [ "$waits" = bank ] || [ "$(cat "$work/kept.orv")" = kept ] || fail "SIG$signal: kept.orv is replaced"
  [ ! -e "$work/new.orv" ] || fail "SIG$signal: an output is left behind"
  if [ "$waits" = bank ]; then kill $reader; wait $reader 2> /dev/null || :; fi
  exec 3>&-
done <<EOF
INT 130 by-bash
QUIT 131
TERM 143
HUP 129
HUP 143 ignoring
TERM 143 named
PIPE 141
XFSZ 153
USR1 138
USR2 140
ALRM 142
KILL 137
INT 130 by-bash bank
TERM 143 - bank
HUP 129 - bank
KILL 137 - bank
EOF

# A write that meets the file-size limit ends the run with the cause and exit
# 1, leaving no file behind, whether anyone reads standard output or not:
# fd 4 writes into a FIFO whose one reader, fd 3, is closed. The limit holds
# the audio below but not the bank.
rm -f "$work/reader.fifo" && mkfifo "$work/reader.fifo"
exec 3<> "$work/reader.fifo" 4> "$work/reader.fifo" 3>&-
while IFS='|' read -r reason limit arguments; do
  eval "set -- $arguments"
  if (ulimit -f "$limit" && "$render" "$plugin" "$@" 2> "$work/cut-short.err" >&4); then status=0; else status=$?; fi
  [ "$status" -eq 1 ] || fail "exit $status, not 1: $arguments"
  [ "$(wc -l < "$work/cut-short.err")" -eq 1 ] && grep -q "^orvane-render: cannot write .*: $reason\$" "$work/cut-short.err" \
    || fail "not \"$reason\" alone: $(cat "$work/cut-short.err")"
  [ -z "$(find "$work" -name 'cut-short.*' ! -name '*.err')" ] || fail "output left behind: $arguments"
done <<EOF
File too large|800|--seconds 10 --output "$work/cut-short.wav" --save-bank "$work/cut-short.orv"
File too large|800|--seconds 0.5 --output "$work/cut-short.flac" --save-bank "$work/cut-short.orv"
EOF
# Standard output that no one reads fails nothing: a listing ends quietly and
# a render keeps its files. One that cannot be written otherwise fails the
# run with the cause, the last line written too, and keeps no file.
for listing in --help --version --list; do
  "$render" "$plugin" $listing >&4 2> "$work/unread.err" && [ ! -s "$work/unread.err" ] \
    || fail "$listing: fails with no reader: $(cat "$work/unread.err")"
done
"$render" "$plugin" --seconds 0.1 --output "$work/unread.ogg" --save-program "$work/unread.orv" >&4
[ -s "$work/unread.ogg" ] || fail "a render whose standard output no one reads keeps no output"
[ -s "$work/unread.orv" ] || fail "a render whose standard output no one reads keeps no program"
exec 4>&-
for arguments in --version "--seconds 0.1 --output cut-short.wav"; do
  if (cd "$work" && "$render" "$plugin" $arguments > /dev/full 2> full.err); then
    fail "$arguments: written to a full standard output"
  fi
  grep -q "^orvane-render: cannot write standard output: No space left on device\$" "$work/full.err" \
    || fail "$arguments: a full standard output fails otherwise: $(cat "$work/full.err")"
  [ ! -e "$work/cut-short.wav" ] || fail "$arguments: a full standard output keeps the output"
done

# A full disk fails the write with that cause in each format, leaving no file;
# the disk is a small tmpfs, where one can be mounted.
full=$(mktemp -d)
if mount -t tmpfs -o size=64k tmpfs "$full" 2> /dev/null; then
  if (
    for extension in wav flac ogg; do
      if "$render" "$plugin" --seconds 30 --output "$full/full.$extension" > /dev/null 2> "$work/full.err"; then
        fail ".$extension: written to a full disk"
      fi
      grep -q "^orvane-render: cannot write .*full.$extension: No space left on device\$" "$work/full.err" \
        || fail ".$extension: not \"No space left on device\": $(cat "$work/full.err")"
      [ -z "$(ls -A "$full")" ] || fail ".$extension: output left on the full disk"
    done
  ); then full_disk=passed; else full_disk=failed; fi
  umount "$full"
  [ "$full_disk" = passed ] || fail "the full-disk cases failed"
else
  echo "render tool: skipping the full-disk case: no tmpfs can be mounted here"
fi
rmdir "$full"

# On a terminal, a render that runs past a few seconds shows its progress,
# and a warning meanwhile starts a line of its own. The input pauses once the
# render has taken more than a pipe holds, and then ends before its header's
# length.
slow_input="{ head -c 200000 '$work/out.wav'; sleep 2.5; tail -c +200001 '$work/out.wav' | head -c 50000; }"
timeout 60 script -qec "$slow_input | '$render' '$plugin' --input - --output '$work/slow.wav' > /dev/null" /dev/null \
  < /dev/null > "$work/progress.txt" || fail "a render on a terminal fails: $(cat "$work/progress.txt")"
grep -q "$(printf '\r')orvane-render: .* s" "$work/progress.txt" || fail "a long render on a terminal shows no progress"
grep -q "^orvane-render: warning: - ends before the length its header announces" "$work/progress.txt" \
  || fail "a warning during the progress does not start a line of its own"
echo "render tool: all checks passed"
