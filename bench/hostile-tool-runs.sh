#!/usr/bin/env bash
# Hostile runs of the tools, to rerun by hand after a change (not a timed test, and not part of the
# suite): each kind of run many times, counting the runs that went wrong.
#   - a small stack: WSSCod.exe and WSSdec.exe under `ulimit -s 18` (KiB) over a 60-second stereo
#     sound (coding threads), over an earlier output: must exit 0, keep one backup, leave no
#     temporary file;
#   - the same conversion four times at once over an earlier a.wss: must keep one backup, of the
#     earlier file, and no copy of the new one;
#   - a file size limit (`ulimit -f`): must fail with exit 3 and "File too large", not by SIGXFSZ.
#
#   bench/hostile-tool-runs.sh [BUILD_DIR [ROUNDS]]
#
# BUILD_DIR (default: build) must have been built with -DTALVEN_BENCHMARKS=ON (for make_test_wav);
# ROUNDS defaults to 30. Prints one line a kind: rounds, and how many went wrong.
set -euo pipefail

build=$(realpath "${1:-build}")
rounds=${2:-30}
cod=$build/bin/WSSCod.exe
dec=$build/bin/WSSdec.exe
for f in "$cod" "$dec" "$build/bench/make_test_wav"; do
    if [ ! -x "$f" ]; then
        echo "hostile-tool-runs.sh: $f is missing; build with -DTALVEN_BENCHMARKS=ON" >&2
        exit 2
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$build/bench/make_test_wav" long.wav 60 44100 2
"$build/bench/make_test_wav" a.wav 1 8000 1
"$cod" long.wav 2>/dev/null
"$cod" a.wav 2>/dev/null
cp a.wss fresh.wss

# Whether the folder holds exactly the names given (hidden ones too).
only() {
    [ "$(ls -A | sort | tr '\n' ' ')" = "$(printf '%s\n' "$@" | sort | tr '\n' ' ')" ]
}

bad=0
for ((i = 0; i < rounds; i++)); do
    rm -f long.wss.~*~ long.wav.~*~
    echo earlier > long.wss
    echo earlier > long.wav.out
    if ! (ulimit -s 18 && env -i PATH=/usr/bin:/bin "$cod" long.wav 2>/dev/null) \
        || ! (ulimit -s 18 && env -i PATH=/usr/bin:/bin "$dec" -f long.wss 2>/dev/null) \
        || ! only a.wav a.wss fresh.wss long.wav long.wss long.wss.~1~ long.wav.out; then
        bad=$((bad + 1))
    fi
    "$build/bench/make_test_wav" long.wav 60 44100 2 # decoded over it: made again
    rm -f long.wav.out
done
echo "ulimit -s 18: $rounds rounds, $bad went wrong"

bad=0
for ((i = 0; i < rounds; i++)); do
    rm -f a.wss.~*~
    echo earlier > a.wss
    pids=()
    for _ in 1 2 3 4; do
        "$cod" a.wav 2>/dev/null &
        pids+=($!)
    done
    ok=1
    for pid in "${pids[@]}"; do wait "$pid" || ok=0; done
    backups=(a.wss.~*~)
    if [ $ok = 0 ] || [ ${#backups[@]} != 1 ] || ! grep -qx earlier "${backups[0]}" || ! cmp -s a.wss fresh.wss; then
        bad=$((bad + 1))
    fi
done
rm -f a.wss.~*~
cp fresh.wss a.wss
echo "four runs at once over an earlier output: $rounds rounds, $bad went wrong"

bad=0
for ((i = 0; i < rounds; i++)); do
    set +e
    message=$( (ulimit -f 64 && "$cod" -f long.wav) 2>&1)
    code=$?
    set -e
    if [ $code != 3 ] || [[ $message != *"File too large"* ]] || ls -A | grep -q '^\.long\.wss\.'; then
        bad=$((bad + 1))
    fi
done
echo "ulimit -f 64: $rounds rounds, $bad went wrong"
