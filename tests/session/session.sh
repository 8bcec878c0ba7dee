# shellcheck shell=bash
# Shared by the tests in this folder, which run the program in a display session of their own:
# an Xvfb or a headless weston, a private D-Bus session with its own accessibility bus, and a
# temporary HOME. Nothing reaches the machine's own display, session bus or the user's files.
# Source it from bash with the test's arguments: ". session.sh "$@"". A test that sets
# private_bus=yes first runs again inside a D-Bus session of its own (dbus-run-session), where the
# accessibility bus starts on demand and Qt always talks to it.
# The test's exit code: 0 passed, 1 failed, 77 skipped (the reason is printed).

if [ "${private_bus:-}" = yes ] && [ -z "${TALVEN_PRIVATE_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is missing (install dbus-daemon)"; exit 77; }
    TALVEN_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
[ "${private_bus:-}" = yes ] && export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

session_dir=$(dirname "${BASH_SOURCE[0]}")
checks=0
failures=0
work=$(mktemp -d "${TMPDIR:-/tmp}/talven-session.XXXXXX")
pids=()
# shellcheck disable=SC2317 # run by the trap
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

check() { # check DESCRIPTION COMMAND...: runs the command, prints PASS or FAIL
    local what=$1
    shift
    checks=$((checks + 1))
    if "$@"; then
        echo "PASS: $what"
    else
        echo "FAIL: $what"
        failures=$((failures + 1))
    fi
}
finish() {
    if [ "$failures" -eq 0 ]; then
        echo "PASS: all $checks checks"
        exit 0
    fi
    echo "FAIL: $failures of $checks checks failed"
    exit 1
}
need() { # need COMMAND PACKAGE: skips the test when the command is missing
    command -v "$1" >/dev/null && return 0
    echo "SKIP: $1 is missing (install $2)"
    exit 77
}
# until_true SECONDS COMMAND...: polls the command until it succeeds, for at most SECONDS.
until_true() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# A temporary HOME and XDG folders, the program's settings among them.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM QT_IM_MODULE SESSION_MANAGER
# The private bus started before these were set: the services it starts on demand (the
# accessibility bus, which keeps its socket under the cache folder) must get them too, or two
# tests at once would share one socket in the real user's ~/.cache.
if [ "${private_bus:-}" = yes ]; then
    need dbus-update-activation-environment dbus-bin
    dbus-update-activation-environment HOME XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_RUNTIME_DIR
fi

# Starts an X server of its own (Xvfb picks a free display number) and exports DISPLAY. The server
# is not reset when its last client leaves (-noreset): a test that closes its window and opens the
# next must not meet a server that is starting over.
start_xvfb() {
    need Xvfb xvfb
    Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
    pids+=($!)
    until_true 20 test -s "$work/display" || { cat "$work/xvfb.log"; echo "FAIL: Xvfb did not start"; exit 1; }
    DISPLAY=:$(cat "$work/display")
    export DISPLAY
}

# Python with pyatspi (the system's, when another python3 comes first on the PATH); then
# "atspi COMMAND..." runs atspi.py with it.
find_atspi_python() {
    local python
    for python in python3 /usr/bin/python3; do
        if command -v "$python" >/dev/null && "$python" -c 'import pyatspi' 2>/dev/null; then
            atspi_python=$python
            return 0
        fi
    done
    echo "SKIP: python3 cannot import pyatspi (install python3-pyatspi at-spi2-core)"
    exit 77
}
atspi() { "$atspi_python" "$session_dir/atspi.py" "$@"; }
