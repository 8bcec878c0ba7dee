#!/usr/bin/env bash
# What keeping backups costs a run over many files: times one WSSCod.exe run over COUNT one-second
# WAV files (mono 8 kHz, one pattern) where every output already exists and differs, once keeping
# the earlier outputs as backups and once with -f, against the yardstick: the same run with no
# output there yet, in the same round. Prints each as seconds (median) and as a ratio to the
# yardstick (median and spread, lowest to highest, over the rounds).
#
#   bench/many-backups.sh [BUILD_DIR [ROUNDS [COUNT...]]]
#
# BUILD_DIR (default: build) must have been configured with -DTALVEN_BENCHMARKS=ON and built; with
# BASELINE=FOLDER in the environment, the WSSCod.exe in FOLDER (another build) is timed too, in the
# same rounds. ROUNDS defaults to 3, the counts to 1000 4000 8000.
set -euo pipefail

build=$(realpath "${1:-build}")
rounds=${2:-3}
shift 2 || shift $#
counts=("$@")
[ ${#counts[@]} -eq 0 ] && counts=(1000 4000 8000)
for f in "$build/bin/WSSCod.exe" "$build/bench/make_test_wav"; do
    if [ ! -x "$f" ]; then
        echo "many-backups.sh: $f is missing; build with -DTALVEN_BENCHMARKS=ON" >&2
        exit 2
    fi
done
tools=("$build/bin/WSSCod.exe")
names=("this build")
if [ -n "${BASELINE:-}" ]; then
    tools+=("$(realpath "$BASELINE")/WSSCod.exe")
    names+=("baseline")
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$build/bench/make_test_wav" one.wav 1 8000 1

# Seconds for one run of the tool in files/, after what was written before is on disk (as earlier
# outputs of an earlier day would be).
timed() {
    sync -f files
    local start=$EPOCHREALTIME
    (cd files && "$@" > /dev/null 2>&1) || true
    echo "$EPOCHREALTIME - $start" | bc
}
# Every output there, holding other bytes than the run makes, and no backup.
earlier_outputs() {
    find files -name '*.~*~' -delete
    for f in files/*.wav; do printf 'earlier' > "${f%.wav}.wss"; done
}

# times.txt: count, tool, round, none, backups, force (seconds).
: > times.txt
for count in "${counts[@]}"; do
    rm -rf files
    mkdir files
    for ((i = 0; i < count; i++)); do cp one.wav "files/f$i.wav"; done
    for ((r = 1; r <= rounds; r++)); do
        for t in "${!tools[@]}"; do
            rm -f files/*.wss files/*.~*~
            none=$(timed "${tools[$t]}" '*.wav')
            earlier_outputs
            backups=$(timed "${tools[$t]}" '*.wav')
            earlier_outputs
            force=$(timed "${tools[$t]}" -f '*.wav')
            echo "$count $t $r $none $backups $force" >> times.txt
        done
        echo "$count files: round $r of $rounds done" >&2
    done
done

echo "$(nproc) cores; load $(cut -d' ' -f1-3 /proc/loadavg); $rounds rounds; one-second mono 8 kHz WAV files"
awk -v names="$(printf '%s\n' "${names[@]}")" '
function median(a, n,    i, j, t) {
    for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
}
# The median of column c (seconds), or of its ratio to the yardstick, over the rounds of (count, tool).
function stat(key, c, ratio,    r, n, v, lo, hi, a) {
    n = 0; lo = 1e9; hi = 0
    for (r = 1; r <= rounds[key]; r++) {
        v = ratio ? x[key, r, c] / x[key, r, 4] : x[key, r, c]
        a[++n] = v
        if (v < lo) lo = v
        if (v > hi) hi = v
    }
    return ratio ? sprintf("%.2f (%.2f-%.2f)", median(a, n), lo, hi) : sprintf("%.2f", median(a, n))
}
{ key = $1 SUBSEP $2; x[key, $3, 4] = $4; x[key, $3, 5] = $5; x[key, $3, 6] = $6; rounds[key] = $3; if (!($1 in seen)) { seen[$1]; order[++k] = $1 } }
END {
    split(names, name, "\n")
    print "| files | tools | no outputs, s | backups kept, s | ÷ no outputs (spread) | -f, s | ÷ no outputs (spread) |"
    print "|---:|---|---:|---:|---|---:|---|"
    for (i = 1; i <= k; i++)
        for (t = 0; (order[i] SUBSEP t) in rounds; t++) {
            key = order[i] SUBSEP t
            printf "| %d | %s | %s | %s | %s | %s | %s |\n", order[i], name[t + 1], stat(key, 4, 0), stat(key, 5, 0),
                stat(key, 5, 1), stat(key, 6, 0), stat(key, 6, 1)
        }
}' times.txt
