#!/usr/bin/env bash
# The program as a Wayland client, under a headless weston of its own (a private XDG_RUNTIME_DIR and
# socket, no seat: no keyboard, no pointer), in a D-Bus session of its own.
#   test-wayland.sh PROGRAM TEST_PROGRAM APP_ID QT_PLUGINS
#   1. PROGRAM with QT_QPA_PLATFORM=wayland becomes a Wayland client whose window is mapped (the
#      compositor puts its surface on an output) and whose app id is the desktop file id; over
#      AT-SPI its window reads as on X11, and "Select WSS" opens the file dialog without the crash
#      Qt 6.4 has without a seat (platform/wayland_seat.h).
#   2. TEST_PROGRAM (tst_wayland) converts a file through the window with the real tools, opens
#      the file dialog, and ends with exit code 0.
# shellcheck disable=SC2317 # functions run through check()
set -u
program=${1:?usage: test-wayland.sh PROGRAM TEST_PROGRAM APP_ID QT_PLUGINS}
test_program=${2:?usage: test-wayland.sh PROGRAM TEST_PROGRAM APP_ID QT_PLUGINS}
app_id=${3:?usage: test-wayland.sh PROGRAM TEST_PROGRAM APP_ID QT_PLUGINS}
private_bus=yes
# shellcheck source-path=SCRIPTDIR
. "$(dirname "$0")/session.sh" "$@"
need weston weston
[ -e "${4:?usage: test-wayland.sh PROGRAM TEST_PROGRAM APP_ID QT_PLUGINS}/platforms/libqwayland-generic.so" ] ||
    { echo "SKIP: Qt's Wayland platform plugin is missing (install qt6-wayland)"; exit 77; }
find_atspi_python

weston --backend=headless-backend.so --socket="talven-$$" --idle-time=0 --no-config \
    --log="$work/weston.log" >/dev/null 2>&1 &
pids+=($!)
until_true 20 test -S "$XDG_RUNTIME_DIR/talven-$$" || { cat "$work/weston.log"; echo "FAIL: weston did not start"; exit 1; }
export QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$XDG_RUNTIME_DIR/talven-$$

# 1. The program; WAYLAND_DEBUG logs what it says to the compositor and hears back.
WAYLAND_DEBUG=client "$program" 2>"$work/program.log" &
program_pid=$!
pids+=("$program_pid")
mapped() { grep -q 'wl_surface@[0-9]*\.enter(wl_output@' "$work/program.log"; }
check "the program is a Wayland client whose window is mapped on weston's output" until_true 20 mapped
check "its app id is the desktop file id" grep -q "xdg_toplevel@[0-9]*\.set_app_id(\"$app_id\")" "$work/program.log"
check "over AT-SPI, the window" atspi window
check "over AT-SPI, Select WSS opens the file dialog" atspi dialog "Select WSS"
check "the program is still running" kill -0 "$program_pid"
grep -q 'SIGSEGV\|Segmentation' "$work/program.log" && tail -5 "$work/program.log"

# 2. The window from inside, converting a file. (In a sanitizer build, the leaks of Qt's Wayland
# client at exit are not the program's: they are told apart by the whole stack of each allocation.)
ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0 \
    LSAN_OPTIONS=suppressions=$(realpath "$(dirname "$0")")/lsan-qt-wayland.supp:print_suppressions=0 \
    "$test_program" >"$work/test.log" 2>&1
status=$?
grep -E '^(PASS|FAIL!|SKIP|Totals)' "$work/test.log"
check "tst_wayland ends with exit code 0 (it was $status)" test "$status" -eq 0
[ "$status" -eq 0 ] || tail -20 "$work/test.log"
finish
