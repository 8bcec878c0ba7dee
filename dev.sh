#!/usr/bin/env bash
# Installs what the build needs (Debian 12), builds, then opens the window or runs the tests.
#   ./dev.sh run     build and open the window
#   ./dev.sh test    build and run every test
#   ./dev.sh build   build only
set -euo pipefail
cd "$(dirname "$0")"

build_dir=${BUILD_DIR:-build}
packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev libsndfile1-dev zlib1g-dev)
# The tests also build and install the Debian package, and drive the installed program under Xvfb.
test_packages=(xvfb xauth xdotool desktop-file-utils dpkg-dev file python3 lintian appstream shared-mime-info xdg-utils libglib2.0-bin man-db groff-base scdoc)

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
    packages+=("${test_packages[@]}")
    install_missing
    build
    # Tests run headless and get their own HOME and config folders (see tests/CMakeLists.txt).
    ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
    ;;
*)
    echo "usage: ./dev.sh run | test | build" >&2
    exit 2
    ;;
esac
