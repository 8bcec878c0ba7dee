#!/usr/bin/env bash
# Runs WSSCod.exe and WSSdec.exe as a hostile user would, and checks that they never claim more
# than they converted: WAV files as recorders and careless writers leave them, an input that gets
# shorter while it is read, damaged and cut WSS files, signals at random moments. Not a timed test
# and not part of the suite (the suite holds one small case of each); rerun it after a change to
# the tools' reading or their run. Prints one line a check, "ok" or "FAIL", and exits 1 if any
# failed.
#
#   bench/hostile-runs.sh [BUILD_DIR [ROUNDS]]
#
# BUILD_DIR (default build/dev) holds bin/WSSCod.exe and bin/WSSdec.exe; ROUNDS (default 50) is
# the number of damaged WSS files and of signal rounds. FULL=1 in the environment also converts
# the whole 4.8 GB streamed WAV (45 s and 1.2 GB of disk here) instead of stopping once its WSS
# header is written. Needs python3; works in a temporary folder (sparse files, under 600 MB of disk
# without FULL), removed afterwards.
set -uo pipefail

build=$(realpath "${1:-build/dev}")
rounds=${2:-50}
cod=$build/bin/WSSCod.exe
dec=$build/bin/WSSdec.exe
for t in "$cod" "$dec"; do
    [ -x "$t" ] || { echo "hostile-runs.sh: $t is missing; build the tools first" >&2; exit 2; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 2
export LC_ALL=C.UTF-8 LANGUAGE=
failures=0

check() { # check NAME CONDITION...: "ok NAME" when the condition holds
    local name=$1
    shift
    if "$@"; then echo "ok    $name"; else echo "FAIL  $name"; failures=$((failures + 1)); fi
}

# wav NAME CHANNELS RATE DATA_BYTES [RIFF_LEN DATA_LEN]: a 16-bit PCM WAV of a sine; with RIFF_LEN
# or DATA_LEN the header says that instead of the truth; DATA_BYTES past 64 MiB are sparse (zeros).
wav() {
    python3 - "$@" <<'PY'
import math, struct, sys
name, ch, rate, n = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
riff = int(sys.argv[5], 0) if len(sys.argv) > 5 else 36 + n
data = int(sys.argv[6], 0) if len(sys.argv) > 6 else n
fmt = b'fmt ' + struct.pack('<IHHIIHH', 16, 1, ch, rate, rate * ch * 2, ch * 2, 16)
with open(name, 'wb') as f:
    f.write(b'RIFF' + struct.pack('<I', riff) + b'WAVE' + fmt + b'data' + struct.pack('<I', data))
    dense = min(n, 64 << 20)
    period = b''.join(struct.pack('<h', int(9000 * math.sin(i / 23))) for i in range(23 * 44 * 31))
    f.write((period * (dense // len(period) + 1))[:dense])
    f.truncate(44 + n)
PY
}

wss_frames() { python3 -c "import struct,sys; print(struct.unpack('<Q', open(sys.argv[1],'rb').read(32)[16:24])[0])" "$1"; }
no_temporary() { [ -z "$(find . -maxdepth 1 -name '.*.??????' -print -quit)" ]; }

# 1. A streamed WAV past 4 GiB: 0xFFFFFFFF (and 0) in both lengths; the WSS header must give all
# 1,207,960,552 frames, not the 1,073,741,823 a 32-bit length holds.
for len in 0xFFFFFFFF 0; do
    rm -f big.wav big.wss
    wav big.wav 2 48000 4831842208 "$len" "$len"
    if [ "${FULL:-0}" = 1 ]; then
        "$cod" big.wav 2> err
        code=$?
        check "streamed WAV past 4 GiB ($len): exit 0" test "$code" = 0
        check "streamed WAV past 4 GiB ($len): every frame" test "$(wss_frames big.wss)" = 1207960552
        check "streamed WAV past 4 GiB ($len): says the frames" grep -q "1207960552 frames" err
    else
        "$cod" big.wav 2> err &
        pid=$!
        frames=
        for _ in $(seq 600); do
            tmp=$(find . -maxdepth 1 -name '.big.wss.??????' -size +1k -print -quit)
            [ -n "$tmp" ] && frames=$(wss_frames "$tmp") && break
            sleep 0.1
        done
        kill "$pid" 2> /dev/null
        wait "$pid" 2> /dev/null
        check "streamed WAV past 4 GiB ($len): WSS header gives every frame" test "$frames" = 1207960552
        check "streamed WAV past 4 GiB ($len): stopped, no temporary file" no_temporary
    fi
done
rm -f big.wav big.wss

# 2. An input cut to 10 MB 0.1 s into reading 300 MB: exit 1, the file named, nothing written.
wav shrink.wav 2 48000 300000000
"$cod" shrink.wav 2> err &
pid=$!
sleep 0.1
truncate -s 10000000 shrink.wav
wait "$pid"
code=$?
if [ -e shrink.wss ] && [ "$code" = 0 ]; then
    echo "skip  input that shrinks: converted before the cut (a faster disk; rerun)"
else
    check "input that shrinks: exit 1" test "$code" = 1
    check "input that shrinks: named" grep -q "'shrink.wav' got shorter while it was read" err
    check "input that shrinks: no output" test ! -e shrink.wss
    check "input that shrinks: no temporary file" no_temporary
fi
rm -f shrink.wav

# 3. A data chunk that says 52,920 bytes where 52,918 are: 13,229 frames converted, and said so.
wav cut.wav 2 44100 52918 "$((36 + 52920))" 52920
"$cod" cut.wav 2> err
check "cut short inside a frame: exit 0" test $? = 0
check "cut short inside a frame: says 13229 frames" grep -q "converted 13229 frames (0:00.300) and left out an incomplete last frame (2 of 4 bytes)" err
check "cut short inside a frame: holds 13229 frames" test "$(wss_frames cut.wss)" = 13229

# 4. The progress total and the summary count the same items.
wav 'ü b.wav' 1 8000 16000
WSS_PROGRESS=1 "$cod" 'ü b.wav' nix.wav '*.flac' > out 2> err
check "progress total: files 3" grep -qx "files	3" out
check "progress total: a line for each item" test "$(grep -c '^\(failed\|wrote\|same\)' out)" = 3
check "progress total: summary of 3" grep -q "1 of 3 files encoded; 2 failed" err

# 5. A LIST chunk of 3 bytes without its pad byte, and one with it: the same WSS; data before fmt
# refused as such.
python3 - <<'PY'
import math, struct
data = b''.join(struct.pack('<hh', int(9000 * math.sin(i / 23)), 0) for i in range(10000))
fmt = b'fmt ' + struct.pack('<IHHIIHH', 16, 1, 2, 44100, 176400, 4, 16)
def riff(chunks): return b'RIFF' + struct.pack('<I', 4 + len(chunks)) + b'WAVE' + chunks
chunk = lambda i, b: i + struct.pack('<I', len(b)) + b
open('o.wav', 'wb').write(riff(fmt + chunk(b'LIST', b'abc') + chunk(b'data', data)))
open('p.wav', 'wb').write(riff(fmt + chunk(b'LIST', b'abc') + b'\0' + chunk(b'data', data)))
open('d.wav', 'wb').write(riff(chunk(b'data', data) + fmt))
PY
"$cod" o.wav p.wav 2> err
check "chunk without its pad byte: read" cmp -s o.wss p.wss
"$cod" d.wav 2> err
check "data before fmt: refused, saying so" grep -q "its data chunk comes before its fmt chunk" err

# 6. Damaged and cut WSS files: each refused with exit 1, and no output left.
"$cod" p.wav 2> /dev/null
bad=0
for i in $(seq "$rounds"); do
    cp p.wss d.wss
    size=$(stat -c %s d.wss)
    if [ $((i % 2)) = 0 ]; then
        truncate -s $((RANDOM * size / 32768)) d.wss
    else
        printf "\\x$(printf %02x $((RANDOM % 256)))" | dd of=d.wss bs=1 seek=$((RANDOM * size / 32768)) conv=notrunc 2> /dev/null
    fi
    cmp -s d.wss p.wss && continue # the byte written was the one there
    rm -f d.wav
    "$dec" d.wss 2> /dev/null
    code=$?
    { [ "$code" = 1 ] && [ ! -e d.wav ] && no_temporary; } || bad=$((bad + 1))
done
check "$rounds damaged WSS files: each refused, nothing left" test "$bad" = 0

# 7. Signals at random moments during a conversion over an earlier output: the earlier output or
# the whole new one, never a part, and no temporary file.
wav sig.wav 2 48000 40000000
"$cod" sig.wav 2> /dev/null
cp sig.wss whole.wss
echo earlier > sig.wss
bad=0
for i in $(seq "$rounds"); do
    signals=(TERM INT HUP QUIT USR1 USR2 ALRM)
    sig=${signals[$((i % ${#signals[@]}))]}
    rm -f sig.wss.~*~
    echo earlier > sig.wss
    "$cod" sig.wav 2> /dev/null &
    pid=$!
    sleep "0.$((RANDOM % 30))"
    kill -s "$sig" "$pid" 2> /dev/null
    wait "$pid" 2> /dev/null
    { no_temporary && { cmp -s sig.wss whole.wss || [ "$(cat sig.wss)" = earlier ]; }; } || bad=$((bad + 1))
done
check "$rounds signals at random moments: nothing partial, no temporary file" test "$bad" = 0

[ "$failures" = 0 ] && echo "hostile-runs.sh: all checks passed" || echo "hostile-runs.sh: $failures failed"
[ "$failures" = 0 ]
