#!/usr/bin/env bash
# The program's start-up beside a yardstick: time to first draw and peak memory of talven-sound
# against a bare Qt window with the same six controls (bench/bare_window.cpp), both under one Xvfb
# with no window manager, started alternately, PAIRS pairs after one pair not counted. Each run
# ends at its first draw (bench/first_draw.cpp, preloaded), so its wall time is its time to first
# draw. Prints each ratio (program / bare window) as median and lowest to highest, and the medians
# of both.
#
#   bench/startup.sh [BUILD_DIR [PAIRS [PROGRAM]]]    default build/startup, 20 pairs
#
# The script builds the program and the benchmarks in BUILD_DIR; build/startup is configured as
# the release preset (optimised and hardened, without sanitizers, as the package ships it). PROGRAM
# (default BUILD_DIR/bin/talven-sound) is the program timed: another build's, say an earlier
# commit's, to compare the two against the same bare window. Settings and caches go to a temporary
# HOME; the locale is C.UTF-8 unless LANGUAGE or LC_ALL say otherwise. YARDSTICK=today gives the
# bare window the output folder row and the paths the window shows at its first start
# (bare_window --as-today).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/startup}
pairs=${2:-20}
if [ "$build" = build/startup ] && [ ! -f "$build/CMakeCache.txt" ]; then
    cmake --preset release -B "$build" -DBUILD_TESTING=OFF -DTALVEN_BENCHMARKS=ON >/dev/null
fi
cmake --build "$build" --parallel "$(nproc)" --target talven-sound bare_window first_draw >/dev/null
program=$(realpath "${3:-$build/bin/talven-sound}")
bare=$(realpath "$build/bench/bare_window")
shim=$(realpath "$build/bench/first_draw.so")

work=$(mktemp -d)
xvfb=
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for ((i = 0; i < 100; i++)); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
display=$(cat "$work/display")
if [ -z "$display" ]; then
    echo "startup.sh: Xvfb did not start" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
mkdir -p "$work/home/.config" "$work/home/.cache"

bare_args=()
[ "${YARDSTICK:-}" = today ] && bare_args=(--as-today)

# one PROGRAM [ARG...]: prints "MILLISECONDS KIB CPU_MILLISECONDS" for one start of PROGRAM to its first draw.
one() {
    local start end line
    start=$EPOCHREALTIME
    line=$(env -i PATH="$PATH" DISPLAY=":$display" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
        XDG_CACHE_HOME="$work/home/.cache" LC_ALL="${LC_ALL:-C.UTF-8}" LANGUAGE="${LANGUAGE:-}" \
        LD_PRELOAD="$shim" "$@" 2>&1 >/dev/null | grep '^first-draw' || true)
    end=$EPOCHREALTIME
    if [ -z "$line" ]; then
        echo "startup.sh: $1 ended without drawing" >&2
        exit 1
    fi
    read -r _ kib cpu _ <<<"$line"
    echo "$(echo "($end - $start) * 1000" | bc -l) $kib $cpu"
}

one "$bare" "${bare_args[@]}" >/dev/null
one "$program" >/dev/null
for ((i = 0; i < pairs; i++)); do
    echo "$(one "$program") $(one "$bare" "${bare_args[@]}")"
done >"$work/pairs"

python3 - "$work/pairs" "$pairs" <<'PY'
import statistics, sys
rows = [list(map(float, line.split())) for line in open(sys.argv[1])]
program, bare = [r[:3] for r in rows], [r[3:] for r in rows]
def show(name, values, unit=""):
    print(f"{name:<38} median {statistics.median(values):9.3f}{unit}  ({min(values):.3f}-{max(values):.3f})")
print(f"start-up to first draw, {sys.argv[2]} pairs (program, bare window, one after the other)")
for what, i in (("time", 0), ("peak memory", 1), ("processor time", 2)):
    show(f"{what} ratio (program / bare)", [p[i] / b[i] for p, b in zip(program, bare)], " x")
for what, i, unit in (("time", 0, "ms"), ("peak memory", 1, "KiB"), ("processor time", 2, "ms")):
    show(f"program, {what}, {unit}", [p[i] for p in program])
    show(f"bare window, {what}, {unit}", [b[i] for b in bare])
PY
