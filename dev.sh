#!/usr/bin/env bash
# Installs what the build needs (Debian 12), builds, then opens the window or runs the tests.
#   ./dev.sh run     build and open the window
#   ./dev.sh test    every gate CI runs: the suite (dev preset, warnings as errors), the suite
#                    under AddressSanitizer and UBSan (asan preset), formatting, clang-tidy and
#                    short fuzz runs, and a warning-free hardened release build. Each gate is
#                    also a script or preset of its own (.ci/, tests/fuzz/, CMakePresets.json).
#   ./dev.sh build   build only
set -euo pipefail
cd "$(dirname "$0")"

build_dir=${BUILD_DIR:-build}
packages=(cmake g++ make pkg-config ccache qt6-base-dev libgl-dev libsndfile1-dev zlib1g-dev libwayland-dev
    # The translations: Qt Linguist's lupdate and lrelease with their CMake functions, gettext's
    # tools, the AppStream rules msgfmt reads for the metainfo, and Qt's own translated texts.
    qt6-l10n-tools qt6-tools-dev gettext appstream qt6-translations-l10n)
# The tests also build and install the Debian package, drive the program under Xvfb, and read it
# over AT-SPI (a private D-Bus session with its own accessibility bus), also as a Wayland client
# of a headless weston; they make the locales they run under with localedef (locales).
test_packages=(xvfb xauth xdotool x11-utils dbus-daemon at-spi2-core python3-pyatspi weston qt6-wayland desktop-file-utils dpkg-dev file python3 lintian shared-mime-info xdg-utils libglib2.0-bin man-db groff-base scdoc locales)
# The gates: format and static checks, and libFuzzer (clang with its runtime).
gate_packages=(clang-format clang-tidy clang libclang-rt-14-dev)

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
    # Tests run headless and get their own HOME and config folders (see tests/CMakeLists.txt).
    for preset in dev asan; do
        echo "== $preset: build and run the tests"
        cmake --preset "$preset" >/dev/null
        cmake --build --preset "$preset" --parallel "$(nproc)"
        ctest --preset "$preset" --parallel "$(nproc)"
    done
    echo "== format"
    .ci/format.sh
    echo "== clang-tidy"
    BUILD_DIR=build/dev .ci/tidy.sh
    echo "== fuzz, ${FUZZ_SECONDS:-20} s per target"
    tests/fuzz/run.sh "${FUZZ_SECONDS:-20}"
    echo "== release: the program and its tools, hardened and optimised, without warnings"
    cmake --preset release -DBUILD_TESTING=OFF >/dev/null
    cmake --build --preset release --parallel "$(nproc)" --target talven-sound wsscod wssdec
    ;;
*)
    echo "usage: ./dev.sh run | test | build" >&2
    exit 2
    ;;
esac
