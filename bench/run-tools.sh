#!/usr/bin/env bash
# Times WSSCod.exe and WSSdec.exe on one hour of stereo 44.1 kHz 16-bit sound (635 MB of WAV) and
# prints the wall time and the peak memory (maximum resident set size) of each.
#
#   bench/run-tools.sh [BUILD_DIR]
#
# BUILD_DIR (default: build) must have been configured with -DTALVEN_BENCHMARKS=ON and built. The
# sound is made in a temporary folder (about 1.5 GB free needed) that is removed afterwards.
set -euo pipefail

build=$(realpath "${1:-build}")
for f in "$build/bin/WSSCod.exe" "$build/bin/WSSdec.exe" "$build/bench/make_test_wav"; do
    if [ ! -x "$f" ]; then
        echo "run-tools.sh: $f is missing; build with: cmake -S . -B $build -DTALVEN_BENCHMARKS=ON && cmake --build $build" >&2
        exit 2
    fi
done

if [ ! -x /usr/bin/time ]; then
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq time
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

echo "Making one hour of stereo 44.1 kHz sound..."
"$build/bench/make_test_wav" hour.wav 3600 44100 2

measure() {
    local label=$1
    shift
    /usr/bin/time -v -o time.txt "$@"
    local wall rss
    wall=$(awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' time.txt)
    rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' time.txt)
    printf '%-34s wall %-10s max RSS %6s KiB\n' "$label" "$wall" "$rss"
}

wav_size=$(stat -c %s hour.wav)
measure "WSSCod.exe hour.wav" "$build/bin/WSSCod.exe" hour.wav
wss_size=$(stat -c %s hour.wss)
rm hour.wav
measure "WSSdec.exe hour.wss" "$build/bin/WSSdec.exe" hour.wss
awk -v wav="$wav_size" -v wss="$wss_size" -v out="$(stat -c %s hour.wav)" \
    'BEGIN { printf "WAV %d bytes, WSS %d bytes (%.2f : 1), decoded WAV %d bytes\n", wav, wss, wav / wss, out }'
