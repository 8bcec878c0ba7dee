#!/usr/bin/env bash
# Builds the fuzz targets (the `fuzz` preset, clang) and runs each from its seed corpus.
#   tests/fuzz/run.sh [SECONDS [TARGET...]]    default: 20 s for each of all targets
# Targets run side by side, one a processor (FUZZ_JOBS, default: the number of processors), each
# for SECONDS. Inputs the fuzzer finds go to a scratch folder, not into the committed corpus; a
# failing input is left as build/fuzz/findings/NAME/crash-* (add it to corpus/NAME once fixed, as
# a regression case). The run fails when any target finds a fault.
#
# A target that ran clean is remembered (TALVEN_FUZZ_CACHE, default ~/.cache/talven-sound/fuzz)
# under its program, its corpus and SECONDS; the same search of the same code is not run again,
# so a change elsewhere in the project costs no fuzzing, and a new machine (CI) runs them all.
# TALVEN_FUZZ_CACHE=off runs every target.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds=${1:-20}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(wss_decoder wss_encoder libwss_reader wav_reader profile_writer wildcard command_line)
jobs=${FUZZ_JOBS:-$(nproc)}

cmake --preset fuzz >/dev/null
cmake --build build/fuzz --target "${targets[@]/#/fuzz_}" --parallel "$(nproc)"

# One target: its result in build/fuzz/findings/NAME/{log,status}.
fuzz() {
    local t=$1 scratch findings=build/fuzz/findings/$1
    scratch=$(mktemp -d)
    mkdir -p "$findings"
    # A block of WSS or WAV sound needs at most about 1 MB; anything much bigger is a fault.
    if build/fuzz/fuzz/fuzz_$t -max_total_time="$seconds" -timeout=10 -malloc_limit_mb=64 \
        -rss_limit_mb=1024 -artifact_prefix="$findings/" -print_final_stats=1 "$scratch" \
        "tests/fuzz/corpus/$t" >"$findings/log" 2>&1; then
        echo ok >"$findings/status"
    else
        echo failed >"$findings/status"
    fi
    rm -rf "$scratch"
}

cache=${TALVEN_FUZZ_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/talven-sound/fuzz}
[ "$cache" = off ] || mkdir -p "$cache"
keyOf() {
    { sha256sum <"build/fuzz/fuzz/fuzz_$1"; find "tests/fuzz/corpus/$1" -type f -print0 | sort -z | xargs -0 cat | sha256sum
        echo "$seconds"; } | sha256sum | cut -c1-64
}
todo=()
for t in "${targets[@]}"; do
    if [ "$cache" != off ] && [ -e "$cache/$(keyOf "$t")" ]; then
        echo "fuzz_$t: unchanged since a clean ${seconds} s run"
    else
        todo+=("$t")
    fi
done

echo "fuzz: ${#todo[@]} targets, ${seconds} s each, $jobs at a time"
running=()
for t in "${todo[@]}"; do
    if [ ${#running[@]} -ge "$jobs" ]; then
        wait "${running[0]}"
        running=("${running[@]:1}")
    fi
    rm -f "build/fuzz/findings/$t/status"
    fuzz "$t" &
    running+=($!)
done
wait

failed=0
for t in "${todo[@]}"; do
    findings=build/fuzz/findings/$t
    if [ "$(cat "$findings/status" 2>/dev/null)" = ok ]; then
        echo "fuzz_$t: $(grep -E "^stat::(number_of_executed_units|new_units_added)" "$findings/log" | tr '\n' ' ')"
        [ "$cache" = off ] || : >"$cache/$(keyOf "$t")"
    else
        tail -n 40 "$findings/log"
        echo "fuzz_$t found a fault; its input is in $findings" >&2
        failed=1
    fi
done
exit $failed
