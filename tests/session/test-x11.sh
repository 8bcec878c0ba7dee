#!/usr/bin/env bash
# The program's window on an X server of its own (Xvfb), as the desktop sees it.
#   test-x11.sh properties PROGRAM DESKTOP_ENTRY
#       Without a window manager: WM_CLASS's class is the desktop entry's StartupWMClass (docks and
#       task bars tie the window to its launcher by it), and _NET_WM_ICON is set, to the icon
#       theme's icon named by the desktop file id when one is installed (a 48x48 stand-in here),
#       else to the 32x32 icon built into the program.
#   test-x11.sh accessibility PROGRAM
#       Over AT-SPI, in a D-Bus session of the test's own: the window is a frame named by its title
#       with its controls in reading order, and decoding a damaged file (with the real WSSdec.exe
#       from the program's folder) opens an alert whose text a screen reader reads.
#       A screen reader speaks how each run ended, failed or written, in the status line's words.
#   test-x11.sh right-to-left PROGRAM
#       Over AT-SPI, the program in Arabic (LANGUAGE=ar): each row reads from the right.
#   test-x11.sh background PROGRAM
#       Under openbox, the window minimised while a batch runs: its title shows the progress, and
#       when the batch, longer than the 5 s after which the desktop is told, has ended, the title
#       is the window's own again and the window demands attention (_NET_WM_STATE, which the
#       window manager sets at the program's request: Qt 6.4 asks for it, not for the ICCCM
#       urgency bit). The real WSSCod.exe runs, followed by a pause of 6 s.
#   test-x11.sh orca PROGRAM
#       The real screen reader, Orca, in the test's D-Bus session with speech-dispatcher's dummy
#       output, its debug log in the test's folder: what it speaks after a file is written, after
#       a damaged file failed to decode, and after a batch was stopped (./dev.sh installs Orca; by
#       hand: ctest --test-dir build/dev -R x11_orca --output-on-failure).
# shellcheck disable=SC2317 # functions run through check()
set -u
mode=${1:?usage: test-x11.sh properties|accessibility|right-to-left|background|orca PROGRAM ...}
program=$(realpath "${2:?usage: test-x11.sh MODE PROGRAM ...}")
case $mode in accessibility | right-to-left | background | orca) private_bus=yes ;; esac
# shellcheck source-path=SCRIPTDIR
. "$(dirname "$0")/session.sh" "$@"
need xprop x11-utils
need xdotool xdotool
start_xvfb
export QT_QPA_PLATFORM=xcb
app_id=$(basename "${3:-}" .desktop)

# write_wav FILE: a short silent sound.
write_wav() {
    python3 -c 'import sys, wave
with wave.open(sys.argv[1], "wb") as w:
    w.setnchannels(1); w.setsampwidth(2); w.setframerate(8000); w.writeframes(bytes(1600))' "$1"
}

# Starts the program with XDG_DATA_DIRS=$1 and sets window to its window's id; $2: its title, a
# regular expression (the English one when not given).
open_window() {
    XDG_DATA_DIRS=$1 "$program" >>"$work/program.log" 2>&1 &
    pids+=($!)
    window=$(timeout 20 xdotool search --sync --name "${2:-^TALVEN Sound Decoder / Encoder\$}" | head -1)
    [ -n "$window" ] || {
        cat "$work/program.log" "$work/xvfb.log"
        echo "FAIL: the window did not open"
        exit 1
    }
}
icon_size() { xprop -id "$window" -notype _NET_WM_ICON | sed -n 's/.*Icon (\([0-9]*\) x \([0-9]*\)).*/\1x\2/p' | head -1; }
# The window opens with the program's own icon and reads the theme once it has drawn: waits up to
# 10 s for the icon to be SIZE, then prints the size it has.
icon_size_becomes() {
    local i
    for ((i = 0; i < 100; i++)); do
        [ "$(icon_size)" = "$1" ] && break
        sleep 0.1
    done
    icon_size
}

case $mode in
properties)
    # An icon theme holding the program's icon under its desktop file id, as the package installs it.
    theme=$work/share/icons/hicolor
    mkdir -p "$theme/48x48/apps"
    printf '[Icon Theme]\nName=Hicolor\nDirectories=48x48/apps\n\n[48x48/apps]\nSize=48\nType=Fixed\n' >"$theme/index.theme"
    python3 - "$theme/48x48/apps/$app_id.png" <<'PY'
import struct, sys, zlib
side = 48
rows = b''.join(b'\0' + b'\xff\x80\0\xff' * side for _ in range(side))
def chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
open(sys.argv[1], 'wb').write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', side, side, 8, 6, 0, 0, 0))
                              + chunk(b'IDAT', zlib.compress(rows)) + chunk(b'IEND', b''))
PY
    startup_class=$(sed -n 's/^StartupWMClass=//p' "$3")
    open_window "$work/share"
    wm_class=$(xprop -id "$window" -notype WM_CLASS | sed -n 's/^WM_CLASS = "\(.*\)", "\(.*\)"$/\2/p')
    check "WM_CLASS's class '$wm_class' is the desktop entry's StartupWMClass '$startup_class'" \
        test -n "$startup_class" -a "$wm_class" = "$startup_class"
    size=$(icon_size_becomes 48x48)
    check "_NET_WM_ICON is the theme's icon $app_id ($size)" test "$size" = 48x48
    kill "${pids[-1]}" && wait "${pids[-1]}" 2>/dev/null
    open_window "$work/empty"
    sleep 1 # time to read the theme, which has no icon for it
    check "without a theme icon, _NET_WM_ICON is the program's own ($(icon_size))" test "$(icon_size)" = 32x32
    ;;
accessibility)
    find_atspi_python
    mkdir -p "$work/sounds"
    printf 'WSS\032\001\000\001\000' >"$work/sounds/tone.wss" # a WSS header cut short
    open_window ""
    check "over AT-SPI, the window" atspi window
    touch "$work/spoken"
    "$atspi_python" "$session_dir/atspi.py" listen "$work/spoken" >>"$work/program.log" 2>&1 &
    pids+=($!)
    until_true 20 grep -q '^listening$' "$work/spoken" || echo "FAIL: the AT-SPI listener did not start"
    damaged_file_message() { atspi field "WSS file" "$work/sounds/tone.wss" && atspi message Decode damaged; }
    check "over AT-SPI, a damaged file's message" damaged_file_message
    write_wav "$work/sounds/front.wav"
    check "over AT-SPI, encoding a sound" atspi field "WAV file" "$work/sounds/front.wav"
    atspi press Encode
    spoken() { grep -qxF "notification $1" "$work/spoken"; }
    until_true 30 spoken "Wrote front.wss in $work/sounds"
    sed 's/^/  spoken: /' "$work/spoken"
    check "a screen reader speaks the failure" spoken "Decoding tone.wss failed"
    check "a screen reader speaks what was written" spoken "Wrote front.wss in $work/sounds"
    ;;
right-to-left)
    find_atspi_python
    export LANGUAGE=ar
    open_window "" '^TALVEN Sound – '
    check "over AT-SPI, the Arabic window" atspi mirrored
    ;;
background)
    find_atspi_python
    need openbox openbox
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    until_true 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || echo "FAIL: openbox did not start"
    # The program beside an encoder that pauses after its work, so that the batch takes long.
    mkdir -p "$work/bin" "$work/sounds"
    ln "$program" "$work/bin/" 2>/dev/null || cp "$program" "$work/bin/"
    printf '#!/bin/sh
"%s" "$@"
code=$?
sleep 6
exit $code
' "$(dirname "$program")/WSSCod.exe" >"$work/bin/WSSCod.exe"
    chmod +x "$work/bin/WSSCod.exe"
    program=$work/bin/$(basename "$program")
    for name in a b c; do write_wav "$work/sounds/$name.wav"; done
    open_window ""
    title=$(xprop -id "$window" -notype _NET_WM_NAME | sed 's/^_NET_WM_NAME = //')
    atspi field "WAV file" "$work/sounds/*.wav"
    xdotool windowminimize "$window"
    atspi press Encode
    net_wm() { xprop -id "$window" -notype "$1"; }
    shows() { net_wm "$1" | grep -qF -- "$2"; }
    check "minimised, the title shows the batch's progress" until_true 20 shows _NET_WM_NAME "\"100 % – TALVEN Sound"
    check "the window demands attention when the batch has ended" \
        until_true 30 shows _NET_WM_STATE _NET_WM_STATE_DEMANDS_ATTENTION
    check "and its title is its own again ($(net_wm _NET_WM_NAME))" shows _NET_WM_NAME "= $title"
    ;;
orca)
    find_atspi_python
    need orca orca
    need speech-dispatcher speech-dispatcher
    # Speech goes to speech-dispatcher's dummy module, which plays nothing where there is no sound.
    mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$work/sounds" "$work/batch"
    printf 'AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n' >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
    orca --user-prefs "$work/orca" --debug-file "$work/orca.log" >"$work/orca.out" 2>&1 &
    orca_pid=$!
    pids+=("$orca_pid")
    orca_listens() {
        "$atspi_python" -c 'import sys, pyatspi
desktop = pyatspi.Registry.getDesktop(0)
sys.exit(0 if any(a and a.name == "orca" for a in desktop) else 1)' 2>/dev/null
    }
    until_true 60 orca_listens || { cat "$work/orca.out"; echo "FAIL: Orca did not start"; exit 1; }
    open_window ""
    # Written: a sound encoded.
    write_wav "$work/sounds/front.wav"
    atspi field "WAV file" "$work/sounds/front.wav" >/dev/null
    atspi press Encode
    atspi status "Wrote front.wss"
    # Orca speaks only the newest of the notices it has not yet handled: it is given time to.
    sleep 3
    # Failed: a damaged file, its message answered.
    printf 'WSS\032\001\000\001\000' >"$work/sounds/tone.wss"
    atspi field "WSS file" "$work/sounds/tone.wss" >/dev/null
    atspi message Decode damaged >/dev/null
    sleep 3
    # Stopped: a batch of 60 sounds of 5 s each (one file under 60 names), stopped once it has begun.
    python3 -c 'import random, sys, wave
with wave.open(sys.argv[1], "wb") as w:
    w.setnchannels(2); w.setsampwidth(2); w.setframerate(44100); w.writeframes(random.randbytes(44100 * 4 * 5))' \
        "$work/batch/take1.wav"
    for ((i = 2; i <= 60; i++)); do ln "$work/batch/take1.wav" "$work/batch/take$i.wav"; done
    atspi field "WAV file" "$work/batch/*.wav" >/dev/null
    atspi press Encode
    atspi status " of 60: "
    atspi press Stop
    sleep 3
    # Orca writes its log as it ends; a shutdown that hangs is asked again, then cut short.
    orca_ended() { [ "$(ps -o stat= -p "$orca_pid")" = Z ] || ! kill -0 "$orca_pid" 2>/dev/null; }
    kill "$orca_pid"
    until_true 10 orca_ended || { kill "$orca_pid"; until_true 5 orca_ended; } || kill -9 "$orca_pid"
    wait "$orca_pid" 2>/dev/null
    [ -n "${TALVEN_KEEP_ORCA_LOG:-}" ] && cp "$work/orca.log" "$TALVEN_KEEP_ORCA_LOG"
    grep -o "SPEECH OUTPUT: '.*" "$work/orca.log" | sed 's/{.*//; s/^/  /'
    said() { grep -q "SPEECH OUTPUT: 'notification $1\.'" "$work/orca.log"; }
    check "Orca speaks what was written" said "Wrote front\.wss in $work/sounds"
    check "Orca speaks the failure" said "Decoding tone\.wss failed"
    check "Orca speaks how far the stopped batch came" said "Stopped after [0-9]* of 60 files"
    ;;
*)
    echo "usage: test-x11.sh properties|accessibility|right-to-left|background|orca PROGRAM ..." >&2
    exit 2
    ;;
esac
finish
