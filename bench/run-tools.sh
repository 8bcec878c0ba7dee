#!/usr/bin/env bash
# Times WSSCod.exe and WSSdec.exe on one hour of stereo 44.1 kHz 16-bit pink noise (635 MB of WAV)
# side by side with `cp` of the same WAV and, where installed, ffmpeg's and sox's IMA ADPCM, and
# prints each one's time as a ratio to `cp` (and the tools' to ffmpeg) measured in the same round,
# with the median and the spread (lowest to highest) over the rounds, and the peak memory.
#
#   bench/run-tools.sh [BUILD_DIR [ROUNDS [SECONDS]]]
#
# BUILD_DIR (default: build) must have been configured with -DTALVEN_BENCHMARKS=ON and built; with
# BASELINE=FOLDER in the environment, the tools in FOLDER are timed too.
# ROUNDS defaults to 7, SECONDS (the length of the sound) to 3600. The sound is made in a temporary
# folder (about 1.7 GB free needed) that is removed afterwards. The machine should be otherwise
# idle; ratios within one round share whatever load there is.
set -euo pipefail

build=$(realpath "${1:-build}")
rounds=${2:-7}
seconds=${3:-3600}
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

echo "Making $seconds s of stereo 44.1 kHz pink noise..."
"$build/bench/make_test_wav" hour.wav "$seconds" 44100 2 pink

# The runs, as: name, output, command, and "once" for a run timed in the first round only. Each
# reads a file made beforehand and writes a new one, which is removed after it.
runs=()
add() { runs+=("$1|$2|$3|${4:-}"); }
add "cp" copy.wav "cp hour.wav copy.wav"
add "cp, then fsync" copy.wav "cp hour.wav copy.wav && sync copy.wav"
add "WSSCod.exe" hour.wss "$build/bin/WSSCod.exe hour.wav"
add "WSSdec.exe" in.wav "$build/bin/WSSdec.exe in.wss"
"$build/bin/WSSCod.exe" hour.wav && mv hour.wss in.wss
# BASELINE=FOLDER adds the two tools found there (another build, to compare with).
if [ -n "${BASELINE:-}" ]; then
    add "WSSCod.exe, baseline" hour.wss "$BASELINE/WSSCod.exe hour.wav"
    add "WSSdec.exe, baseline" in.wav "$BASELINE/WSSdec.exe in.wss"
fi
if command -v ffmpeg > /dev/null; then
    ff="ffmpeg -nostdin -loglevel error -y"
    add "ffmpeg IMA ADPCM encode" ff.wav "$ff -i hour.wav -c:a adpcm_ima_wav ff.wav"
    add "ffmpeg IMA ADPCM decode" ff.wav "$ff -i ff-in.wav -c:a pcm_s16le ff.wav"
    $ff -i hour.wav -c:a adpcm_ima_wav ff-in.wav
fi
if command -v sox > /dev/null; then
    # sox searches for the best codes and takes minutes an hour: once is enough.
    add "sox IMA ADPCM encode" sox.wav "sox hour.wav -e ima-adpcm sox.wav" once
    add "sox IMA ADPCM decode" sox.wav "sox sox-in.wav -e signed-integer -b 16 sox.wav"
    sox hour.wav -e ima-adpcm sox-in.wav
fi

# times.txt: round, run number, wall seconds, peak RSS in KiB.
: > times.txt
for ((r = 1; r <= rounds; r++)); do
    for i in "${!runs[@]}"; do
        IFS='|' read -r name output command once <<< "${runs[$i]}"
        [ -n "$once" ] && [ "$r" -gt 1 ] && continue
        start=$EPOCHREALTIME
        /usr/bin/time -f %M -o rss.txt bash -c "$command"
        end=$EPOCHREALTIME
        echo "$r $i $(echo "$end - $start" | bc) $(tail -1 rss.txt)" >> times.txt
        rm -f "$output"
    done
    echo "round $r of $rounds done"
done

names=$(printf '%s\n' "${runs[@]}" | cut -d'|' -f1)
echo
echo "$(nproc) cores: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'); load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "WAV $(stat -c %s hour.wav) bytes, WSS $(stat -c %s in.wss) bytes; $rounds rounds"
# Ratios are taken within a round (to that round's cp, or ffmpeg), then summarised.
awk -v names="$names" '
function median(a, n,    i, j, t) {
    for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
}
function summary(x, i, base,    r, n, v, lo, hi) {
    n = 0; lo = 1e9; hi = 0
    for (r = 1; r <= rounds; r++) {
        if (!((r, base) in x) || !((r, i) in x)) continue
        v = x[r, i] / x[r, base]; n++; a[n] = v
        if (v < lo) lo = v
        if (v > hi) hi = v
    }
    if (n == 0) return ""
    return sprintf("%5.2f (%.2f-%.2f)", median(a, n), lo, hi)
}
{ t[$1, $2] = $3; if ($4 > rss[$2]) rss[$2] = $4; if ($1 > rounds) rounds = $1 }
END {
    n = split(names, name, "\n")
    for (i = 1; i <= n; i++) id[name[i]] = i - 1
    printf "| %-24s | %8s | %-20s | %-20s | %10s |\n", "run", "median s", "÷ cp (spread)", "÷ ffmpeg (spread)", "peak RSS"
    printf "|%s|%s|%s|%s|%s|\n", "--------------------------", "---------:", "----------------------", "----------------------", "-----------:"
    for (i = 1; i <= n; i++) {
        k = i - 1; m = 0
        for (r = 1; r <= rounds; r++) if ((r, k) in t) b[++m] = t[r, k]
        vsff = ""
        if (name[i] == "WSSCod.exe" && ("ffmpeg IMA ADPCM encode" in id)) vsff = summary(t, k, id["ffmpeg IMA ADPCM encode"])
        if (name[i] == "WSSdec.exe" && ("ffmpeg IMA ADPCM decode" in id)) vsff = summary(t, k, id["ffmpeg IMA ADPCM decode"])
        printf "| %-24s | %8.2f | %-20s | %-20s | %6d KiB |\n", name[i], median(b, m), summary(t, k, 0), vsff, rss[k]
    }
}' times.txt
