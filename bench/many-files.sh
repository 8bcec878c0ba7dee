#!/usr/bin/env bash
# What converting many small files costs beyond the coding: runs WSSCod.exe and then WSSdec.exe
# once per file over COUNT one-second stereo 44.1 kHz files, and compares the time per file with
#   - the same loop with fsync made a no-op (libeatmydata, where installed),
#   - a tool run that does nothing (no file name: it prints its usage and stops),
#   - the coding itself (one file COUNT seconds long, divided by COUNT),
# and, from strace, the time spent in fsync and rename.
#
#   bench/many-files.sh [BUILD_DIR [COUNT]]
set -euo pipefail

build=$(realpath "${1:-build}")
count=${2:-1000}
for f in "$build/bin/WSSCod.exe" "$build/bin/WSSdec.exe" "$build/bench/make_test_wav"; do
    if [ ! -x "$f" ]; then
        echo "many-files.sh: $f is missing; build with -DTALVEN_BENCHMARKS=ON" >&2
        exit 2
    fi
done
cod=$build/bin/WSSCod.exe
dec=$build/bin/WSSdec.exe

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir files
"$build/bench/make_test_wav" one.wav 1 44100 2 pink
"$build/bench/make_test_wav" long.wav "$count" 44100 2 pink
for ((i = 0; i < count; i++)); do cp one.wav "files/$i.wav"; done
sync

# Milliseconds a file for running the command on every file of the folder matching $1.
per_file() {
    local pattern=$1
    shift
    local start=$EPOCHREALTIME f
    for f in files/$pattern; do "$@" "$f"; done
    echo "($EPOCHREALTIME - $start) * 1000 / $count" | bc -l
}
# Milliseconds a run for running the command with no file, count times.
idle() {
    local start=$EPOCHREALTIME i
    for ((i = 0; i < count; i++)); do "$@" 2> /dev/null || true; done
    echo "($EPOCHREALTIME - $start) * 1000 / $count" | bc -l
}
once() {
    local start=$EPOCHREALTIME
    "$@"
    echo "($EPOCHREALTIME - $start) * 1000 / $count" | bc -l
}
# Milliseconds a file in fsync and rename, as strace measures them, for the same loop.
syscalls() {
    local pattern=$1
    shift
    strace -f -c -w -e trace=fsync,fdatasync,rename,renameat,renameat2 -o strace.txt \
        bash -c 'for f in files/'"$pattern"'; do "$@" "$f"; done' bench "$@"
    awk '$NF ~ /^(fsync|fdatasync|rename|renameat|renameat2)$/ { s += $2 } END { print s }' strace.txt \
        | sed 's/^$/0/' | awk -v n="$count" '{ printf "%.3f", $1 * 1000 / n }'
}

row() { printf '| %-46s | %8.3f | %8.3f |\n' "$1" "$2" "$3"; }
echo "$count files of 1 s stereo 44.1 kHz; $(nproc) cores; load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "| ms a file                                      |   encode |   decode |"
echo "|------------------------------------------------|---------:|---------:|"
# Each decode writes the WAV its WSS came from again, so the folder stays the same.
row "one tool run a file, as shipped" "$(per_file '*.wav' "$cod")" "$(per_file '*.wss' "$dec")"
# libeatmydata turns fsync into a no-op (loaded directly: its wrapper script costs a process).
nosync=$(ldconfig -p | awk '/libeatmydata.so / { p = $NF } END { print p }')
if [ -n "$nosync" ]; then
    row "the same with fsync a no-op (libeatmydata)" "$(LD_PRELOAD=$nosync per_file '*.wav' "$cod")" \
        "$(LD_PRELOAD=$nosync per_file '*.wss' "$dec")"
fi
row "a run that does nothing (no file: usage)" "$(idle "$cod")" "$(idle "$dec")"
"$cod" long.wav
row "the coding ($count s in one file, / $count)" "$(once "$cod" long.wav)" "$(once "$dec" long.wss)"
if command -v strace > /dev/null; then
    row "time in fsync and rename (strace -c -w)" "$(syscalls '*.wav' "$cod")" "$(syscalls '*.wss' "$dec")"
fi
