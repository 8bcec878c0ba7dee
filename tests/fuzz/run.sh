#!/usr/bin/env bash
# Builds the fuzz targets (the `fuzz` preset, clang) and runs each from its seed corpus.
#   tests/fuzz/run.sh [SECONDS [TARGET...]]    default: 20 s for each of all targets
# Inputs the fuzzer finds go to a scratch folder, not into the committed corpus; a failing input
# is left as build/fuzz/findings/NAME/crash-* (add it to corpus/NAME once fixed, as a regression
# case). The run fails on the first finding.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds=${1:-20}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(wss_decoder wav_reader profile_writer wildcard command_line)

cmake --preset fuzz >/dev/null
cmake --build build/fuzz --target "${targets[@]/#/fuzz_}" --parallel "$(nproc)"

for t in "${targets[@]}"; do
    scratch=$(mktemp -d)
    findings=build/fuzz/findings/$t
    mkdir -p "$findings"
    echo "fuzz_$t: ${seconds} s"
    # A block of WSS or WAV sound needs at most about 1 MB; anything much bigger is a fault.
    if ! nice -n 10 build/fuzz/fuzz/fuzz_$t -max_total_time="$seconds" -timeout=10 -malloc_limit_mb=64 \
        -rss_limit_mb=1024 -artifact_prefix="$findings/" -print_final_stats=1 "$scratch" \
        "tests/fuzz/corpus/$t" >"$findings/log" 2>&1; then
        tail -n 40 "$findings/log"
        rm -rf "$scratch"
        echo "fuzz_$t found a fault; its input is in $findings" >&2
        exit 1
    fi
    grep -E "^stat::(number_of_executed_units|new_units_added)" "$findings/log" | tr '\n' ' '
    echo
    rm -rf "$scratch"
done
