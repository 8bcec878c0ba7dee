#!/usr/bin/env bash
# Times WSSCod.exe and WSSdec.exe on 30 minutes of stereo 44.1 kHz 16-bit pink noise (317 MB of
# WAV, 80 MB of WSS) side by side with their yardsticks, and prints each tool's time as a ratio to
#   - a durable copy (`dd conv=fsync`) of the file the tool reads (encoder: the WAV) or writes
#     (decoder: the WAV it makes), timed right beside it in the same round;
#   - ffmpeg's IMA ADPCM encode or decode of the same sound, in the same round;
# with the median and the spread (lowest to highest) over the rounds, first on a quiet machine
# and then under load: one `yes > /dev/null` per core running beside it. One row a tool; "loaded
# ÷ quiet" is its ratio to the durable copy under load divided by the quiet one. The yardsticks'
# own median times and every run's peak memory follow.
#
#   bench/run-tools.sh [BUILD_DIR [ROUNDS [SECONDS]]]
#
# BUILD_DIR (default: build) must have been configured with -DTALVEN_BENCHMARKS=ON and built; with
# BASELINE=FOLDER in the environment, the tools in FOLDER are timed too, beside the same
# yardsticks. ROUNDS (default 7, at least 5) is the number of pairs in each column; SECONDS (the
# length of the sound) defaults to 1800. The sound is made in a temporary folder (about 1.2 GB free
# needed) that is removed afterwards. The two members of a pair run one after the other, in turns
# first and second, so that a pair shares whatever load there is; every output is removed and the
# removal flushed (untimed) before the next run, so that no run pays for the one before, and
# memory is freshly used before each run (see warm_memory).
set -euo pipefail

build=$(realpath "${1:-build}")
rounds=${2:-7}
seconds=${3:-1800}
for f in "$build/bin/WSSCod.exe" "$build/bin/WSSdec.exe" "$build/bench/make_test_wav"; do
    if [ ! -x "$f" ]; then
        echo "run-tools.sh: $f is missing; build with: cmake -S . -B $build -DCMAKE_BUILD_TYPE=Release -DTALVEN_BENCHMARKS=ON && cmake --build $build" >&2
        exit 2
    fi
done
missing=()
[ -x /usr/bin/time ] || missing+=(time)
command -v ffmpeg > /dev/null || missing+=(ffmpeg)
if [ ${#missing[@]} -gt 0 ]; then
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
fi

work=$(mktemp -d)
load=()
stop_load() {
    for p in "${load[@]}"; do kill "$p" 2> /dev/null || true; done
    for p in "${load[@]}"; do wait "$p" 2> /dev/null || true; done
    load=()
}
trap 'stop_load; rm -rf "$work"' EXIT
cd "$work"

echo "Making $seconds s of stereo 44.1 kHz pink noise..."
"$build/bench/make_test_wav" sound.wav "$seconds" 44100 2 pink
"$build/bin/WSSCod.exe" sound.wav && mv sound.wss in.wss
"$build/bin/WSSdec.exe" in.wss && mv in.wav decoded.wav
ff="ffmpeg -nostdin -loglevel error -y"
$ff -i sound.wav -c:a adpcm_ima_wav ff-in.wav

# The pairs, as: name, yardstick (durable copy or ffmpeg), its output, the tool, its output. The
# durable copies read files in the page cache, as the tools do.
pairs=()
add() { pairs+=("$1|$2|$3|$4|$5"); }
copy_wav="dd if=sound.wav of=copy.wav bs=1M conv=fsync status=none"
copy_decoded="dd if=decoded.wav of=copy.wav bs=1M conv=fsync status=none"
ff_encode="$ff -i sound.wav -c:a adpcm_ima_wav ff.wav"
ff_decode="$ff -i ff-in.wav -c:a pcm_s16le ff.wav"
tools=("WSSCod.exe|$build/bin" "WSSdec.exe|$build/bin")
if [ -n "${BASELINE:-}" ]; then
    BASELINE=$(realpath "$BASELINE")
    tools+=("WSSCod.exe|$BASELINE" "WSSdec.exe|$BASELINE")
fi
for t in "${tools[@]}"; do
    IFS='|' read -r tool dir <<< "$t"
    label=$tool
    [ "$dir" != "$build/bin" ] && label="$tool (baseline)"
    if [ "$tool" = WSSCod.exe ]; then
        add "$label|copy" "$copy_wav" copy.wav "$dir/$tool sound.wav" sound.wss
        add "$label|ffmpeg" "$ff_encode" ff.wav "$dir/$tool sound.wav" sound.wss
    else
        add "$label|copy" "$copy_decoded" copy.wav "$dir/$tool in.wss" in.wav
        add "$label|ffmpeg" "$ff_decode" ff.wav "$dir/$tool in.wss" in.wav
    fi
done
sync

# Memory the kernel has not used for a few seconds can be slow to touch again: a virtual
# machine's host takes free memory back (free page reporting) and faults it in anew, which made
# the page cache of a 317 MB output cost 0.5 s more for whichever run came after a pause. So each
# run is preceded by writing and removing a file a little larger than the WAV (never flushed to
# disk), which leaves that much memory freshly used.
warm_size=$(($(stat -c %s sound.wav) / 1048576 + 64))
warm_memory() {
    dd if=/dev/zero of=warm.bin bs=1M count="$warm_size" status=none
    rm -f warm.bin
}

# Runs one command, appending "column pair member seconds peak-RSS-KiB" to times.txt, then
# removes its output and flushes the removal.
timed() {
    local column=$1 pair=$2 member=$3 command=$4 output=$5 start end
    warm_memory
    start=$EPOCHREALTIME
    /usr/bin/time -f %M -o rss.txt bash -c "$command"
    end=$EPOCHREALTIME
    echo "$column $pair $member $(echo "$end - $start" | bc) $(tail -1 rss.txt)" >> times.txt
    rm -f "$output"
    sync
}

: > times.txt
for column in quiet loaded; do
    if [ "$column" = loaded ]; then
        for ((c = 0; c < $(nproc); c++)); do
            yes > /dev/null &
            load+=($!)
        done
    fi
    for ((r = 1; r <= rounds; r++)); do
        for i in "${!pairs[@]}"; do
            IFS='|' read -r _ _ yard yard_out tool tool_out <<< "${pairs[$i]}"
            if (((r + i) % 2)); then
                timed "$column" "$i" tool "$tool" "$tool_out"
                timed "$column" "$i" yard "$yard" "$yard_out"
            else
                timed "$column" "$i" yard "$yard" "$yard_out"
                timed "$column" "$i" tool "$tool" "$tool_out"
            fi
        done
        echo "$column: round $r of $rounds done (load $(cut -d' ' -f1 /proc/loadavg))"
    done
    stop_load
done

echo
echo "$(nproc) cores: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'); load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "WAV $(stat -c %s sound.wav) bytes, WSS $(stat -c %s in.wss) bytes; $rounds pairs a figure"
[ "$rounds" -lt 5 ] && echo "(fewer than 5 pairs: a trial of the script, not a measurement)"
names=$(printf '%s\n' "${pairs[@]}" | cut -d'|' -f1-2)
# Ratios are taken within a pair, then summarised over the rounds.
awk -v names="$names" '
function median(a, n,    i, j, t) {
    for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
}
# The median ratio of a pair in a column, and "median (lowest-highest)" in fig[].
function ratio(column, pair,    r, n, v, lo, hi, a) {
    n = 0; lo = 1e9; hi = 0
    for (r = 1; (column, pair, r) in tool; r++) {
        v = tool[column, pair, r] / yard[column, pair, r]; a[++n] = v
        if (v < lo) lo = v
        if (v > hi) hi = v
    }
    if (n == 0) { fig = "-"; return 0 }
    m = median(a, n)
    fig = sprintf("%.2f (%.2f-%.2f)", m, lo, hi)
    return m
}
function seconds(column, pair, member,    r, n, a) {
    n = 0
    for (r = 1; (column, pair, r) in tool; r++) a[++n] = (member == "tool" ? tool[column, pair, r] : yard[column, pair, r])
    return n ? median(a, n) : 0
}
{
    k = $1 SUBSEP $2; count[k]++
    if ($3 == "tool") tool[$1, $2, ++seen[k, "tool"]] = $4; else yard[$1, $2, ++seen[k, "yard"]] = $4
    if ($5 > rss[$2, $3]) rss[$2, $3] = $5
}
END {
    n = split(names, line, "\n")
    for (i = 1; i <= n; i++) { split(line[i], f, "|"); label[i - 1] = f[1]; kind[i - 1] = f[2] }
    # One row a tool: its pair with the durable copy and its pair with ffmpeg, quiet and loaded.
    printf "| %-31s | %8s | %-18s | %-18s | %-18s | %-18s | %15s | %9s |\n", "run", "quiet s", "÷ durable copy", "÷ ffmpeg", "÷ copy, loaded", "÷ ffmpeg, loaded", "loaded ÷ quiet", "peak RSS"
    printf "|%s|%s|%s|%s|%s|%s|%s|%s|\n", "---------------------------------", "---------:", "--------------------", "--------------------", "--------------------", "--------------------", "---------------:", "----------:"
    for (p = 0; p < n; p += 2) {
        q = ratio("quiet", p); fq = fig
        l = ratio("loaded", p); fl = fig
        ratio("quiet", p + 1); gq = fig
        ratio("loaded", p + 1); gl = fig
        m = rss[p, "tool"] > rss[p + 1, "tool"] ? rss[p, "tool"] : rss[p + 1, "tool"]
        printf "| %-31s | %8.2f | %-18s | %-18s | %-18s | %-18s | %15s | %5d KiB |\n", label[p], seconds("quiet", p, "tool"), fq, gq, fl, gl, (q > 0 ? sprintf("%.2f", l / q) : "-"), m
    }
    # The times of the yardsticks themselves, from the first tool of each kind.
    for (p = 0; p < n; p += 2) {
        split(label[p], w, " ")
        if (w[1] in named) continue
        named[w[1]] = 1
        what = w[1] == "WSSCod.exe" ? "the WAV" : "the decoded WAV"
        printf "| %-31s | %8.2f | loaded %-11s | %-18s | %-18s | %-18s | %15s | %5d KiB |\n", "durable copy of " what, seconds("quiet", p, "yard"), sprintf("%.2f s", seconds("loaded", p, "yard")), "", "", "", "", rss[p, "yard"]
        printf "| %-31s | %8.2f | loaded %-11s | %-18s | %-18s | %-18s | %15s | %5d KiB |\n", "ffmpeg " (w[1] == "WSSCod.exe" ? "encode" : "decode"), seconds("quiet", p + 1, "yard"), sprintf("%.2f s", seconds("loaded", p + 1, "yard")), "", "", "", "", rss[p + 1, "yard"]
    }
}' times.txt
