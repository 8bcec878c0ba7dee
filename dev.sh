#!/usr/bin/env bash
# Installs what the build needs (Debian 12), builds, then opens the window or runs the tests.
#   ./dev.sh run     build and open the window
#   ./dev.sh test    every gate CI runs: the suite under AddressSanitizer and UBSan with warnings
#                    as errors (dev preset), formatting, clang-tidy and short fuzz runs, and a
#                    warning-free hardened release build. Each gate is also a script or preset of
#                    its own (.ci/, tests/fuzz/, CMakePresets.json).
#   ./dev.sh build   build only
set -euo pipefail
cd "$(dirname "$0")"

build_dir=${BUILD_DIR:-build}
packages=(cmake g++ make pkg-config ccache qt6-base-dev libgl-dev libsndfile1-dev zlib1g-dev libwayland-dev
    # libwss's GStreamer plugin.
    libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev
    # The translations: Qt Linguist's lupdate and lrelease with their CMake functions, gettext's
    # tools, the AppStream rules msgfmt reads for the metainfo, and Qt's own translated texts.
    qt6-l10n-tools qt6-tools-dev gettext appstream qt6-translations-l10n)
# The tests also build and install the Debian package, drive the program under Xvfb, and read it
# over AT-SPI (a private D-Bus session with its own accessibility bus), also as a Wayland client
# of a headless weston; they make the locales they run under with localedef (locales), read the C
# library's own translated messages (libc-l10n) and show Chinese and Japanese captions in the font
# Debian gives them (fonts-noto-cjk).
# GStreamer's tools and the elements the plugin's tests run it with (wavenc, fakesink, playbin), and
# abidiff for libwss's ABI.
test_packages=(gstreamer1.0-tools gstreamer1.0-plugins-base gstreamer1.0-plugins-base-apps gstreamer1.0-plugins-good
    abigail-tools xvfb xauth xdotool x11-utils openbox orca dbus-daemon dbus-bin at-spi2-core python3-pyatspi weston qt6-wayland desktop-file-utils dpkg-dev file python3 lintian shared-mime-info xdg-utils libglib2.0-bin man-db groff-base scdoc locales libc-l10n fonts-noto-cjk)
# The gates: format and static checks, and libFuzzer (clang with its runtime).
gate_packages=(clang-format clang-tidy clang libclang-rt-14-dev libbenchmark-dev)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build [TARGET...]: everything, or only the targets named.
build() {
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake --build "$build_dir" --parallel "$(nproc)" "${targets[@]}"
}

# The gates, all of them every time, each into build/gates/NAME.log, with a summary of how each
# went. Each build uses every processor (ccache, with its cache in ~/.cache, makes a file compiled
# once on this machine cheap to compile again, in any clone). One tree, dev, is the sanitizers' and
# the warnings' build, runs the suite and gives clang-tidy its compile commands: its gates start as
# soon as it is built, beside the release and fuzz builds; the fuzz targets, which search for a
# fixed time, run last at normal priority.
run_gates() {
    local start=$SECONDS
    local gates=build/gates
    # gate NAME COMMAND...: runs COMMAND into NAME.log and notes its exit code and time.
    gate() {
        local name=$1 from=$SECONDS code=0
        shift
        "$@" >"$gates/$name.log" 2>&1 || code=$?
        echo "$code $((SECONDS - from))" >"$gates/$name.status"
    }
    # build PRESET CMAKE_ARGS... -- BUILD_ARGS...: a failed build ends the run and the gates begun.
    build_tree() {
        local preset=$1 configure=() at
        shift
        for at in "$@"; do
            shift
            [ "$at" = -- ] && break
            configure+=("$at")
        done
        if ! { cmake --preset "$preset" "${configure[@]}" >/dev/null && cmake --build --preset "$preset" --parallel "$(nproc)" "$@"; }; then
            echo "== build: $preset FAILED" >&2
            jobs -p | xargs -r kill 2>/dev/null
            wait
            exit 1
        fi
    }
    # Tests run headless and get their own HOME and config folders (see tests/CMakeLists.txt).
    echo "== build: dev (AddressSanitizer and UBSan, warnings are errors, the tests and benchmarks)"
    build_tree dev --
    rm -rf "$gates"
    mkdir -p "$gates"
    echo "== dev built in $((SECONDS - start)) s; its gates begin (logs in build/gates/) while the other trees build"
    # The suite (which mostly waits on windows and child processes, so it runs twice as many
    # tests at a time as there are processors, the dearest first), the format check and clang-tidy
    # at a lower priority than the builds and the fuzz targets, which use what they leave.
    (
        renice -n 5 $BASHPID >/dev/null
        gate suite ctest --preset dev --parallel "$((2 * $(nproc)))"
    ) &
    (
        renice -n 5 $BASHPID >/dev/null
        gate format .ci/format.sh
        BUILD_DIR=build/dev gate tidy .ci/tidy.sh
    ) &
    echo "== build: release (everything the packages hold, hardened and optimised, warnings are errors)"
    build_tree release -DBUILD_TESTING=OFF --
    # The Debian packages are made from the release tree, as shipped (a sanitized build is no
    # package). Making and checking them (lintian) installs nothing, so it runs beside the rest;
    # so does installing them (CI), into overlays of /usr, /etc and /var that only the install test
    # sees (tests/package/in-overlay.sh). Where no overlay can be made, the install waits for the
    # other gates and runs alone, as it changes what the suite reads (the GStreamer plugin).
    local install=(sh -c 'tests/package/test-deb.sh install build/release; code=$?; [ "$code" -eq 77 ] && code=0; exit "$code"')
    local overlay=0
    tests/package/in-overlay.sh true 2>/dev/null && overlay=1
    (
        renice -n 5 $BASHPID >/dev/null
        gate packages tests/package/test-deb.sh lint build/release
        [ "$overlay" -eq 1 ] && gate install tests/package/in-overlay.sh "${install[@]}"
    ) &
    echo "== build: fuzz targets"
    build_tree fuzz --
    echo "== built in $((SECONDS - start)) s; the fuzz targets run"
    gate fuzz tests/fuzz/run.sh "${FUZZ_SECONDS:-20}" &
    wait
    [ "$overlay" -eq 1 ] || gate install "${install[@]}"

    local failed=0 name code seconds
    for name in suite format tidy packages install fuzz; do
        read -r code seconds <"$gates/$name.status"
        if [ "$code" -eq 0 ]; then
            printf '== %-10s passed (%s s): %s\n' "$name" "$seconds" "$(grep -E '^(100% tests passed|format:|tidy:|fuzz:|PASS: all|SKIP:)' "$gates/$name.log" | tail -1)"
        else
            failed=1
            printf '== %-10s FAILED (%s s), exit code %s; its log, %s:\n' "$name" "$seconds" "$code" "$gates/$name.log"
            tail -n 60 "$gates/$name.log"
        fi
    done
    echo "== every gate in $((SECONDS - start)) s"
    return $failed
}

case "${1:-}" in
build)
    install_missing
    build
    ;;
run)
    install_missing
    build talven-sound wsscod wssdec
    exec "$build_dir/bin/talven-sound"
    ;;
test)
    packages+=("${test_packages[@]}" "${gate_packages[@]}")
    install_missing
    run_gates
    ;;
*)
    echo "usage: ./dev.sh run | test | build" >&2
    exit 2
    ;;
esac
