#!/usr/bin/env bash
# Builds the Debian packages from a build folder and checks them: the program's (talven-sound), and
# libwss1, libwss-dev and gstreamer1.0-wss.
#   tests/package/test-deb.sh lint BUILD_DIR [CPACK]
#       the package's fields and files, and lintian --pedantic: no error, no warning, and no info tag
#       but the ones listed below. Installs nothing.
#   tests/package/test-deb.sh install BUILD_DIR [CPACK]
#       installs the package into this machine's /usr, checks that the desktop knows WSS files and
#       offers the program for them, converts a WAV file to WSS and back with the installed program
#       under Xvfb (the program must find its tools in its own folder, as they are not on PATH), and
#       with the other three packages, plays the WSS file with gst-play-1.0 into a fakesink, has
#       gst-discoverer-1.0 describe it, builds a C program with pkg-config against libwss, and
#       purges the packages again. It changes the machine, so it runs only under CI (CI=true) or when
#       asked with TALVEN_TEST_INSTALL=1, as root, and only when talven-sound is not installed yet.
#       A trap purges the package however the test ends, and a lock keeps a second run waiting.
# Exit 0: all checks passed; 1: a check failed; 77: skipped (the reason is printed).
set -u

mode=${1:?usage: test-deb.sh lint|install BUILD_DIR [CPACK]}
build_dir=${2:?usage: test-deb.sh lint|install BUILD_DIR [CPACK]}
cpack=${3:-cpack}
app_id=example.c_seed_c8006644.talven_sound
caption="TALVEN Sound Decoder / Encoder"
prefix=/usr
program_dir=$prefix/lib/talven-sound
desktop_entry=$prefix/share/applications/$app_id.desktop
icons=("$prefix/share/icons/hicolor/32x32/apps/$app_id.png"
       "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg")

checks=0
failures=0
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
skip() {
    [ "$failures" -eq 0 ] || finish
    echo "SKIP: $*"
    exit 77
}
finish() {
    if [ "$failures" -eq 0 ]; then
        echo "PASS: all $checks checks"
        exit 0
    fi
    echo "FAIL: $failures of $checks checks failed"
    exit 1
}

work=$(mktemp -d /tmp/talven-deb-test.XXXXXX)
packages=(talven-sound libwss1 libwss-dev gstreamer1.0-wss)
installed=0
xvfb_pid=
app_pid=
# shellcheck disable=SC2317 # run by the trap
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    [ "$installed" -eq 1 ] && dpkg -P "${packages[@]}" >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM

if [ "$mode" = install ]; then
    if [ "${CI:-}" != true ] && [ "${TALVEN_TEST_INSTALL:-}" != 1 ]; then
        skip "installing the package changes this machine; it runs under CI=true or with TALVEN_TEST_INSTALL=1"
    fi
    [ "$(id -u)" -eq 0 ] || skip "installing the package needs root"
    # One run at a time: a second run waits here rather than installing or purging under the first.
    exec 9>/tmp/talven-sound-package-test.lock
    flock -w 300 9 || { check "no other run of this test holds its lock" false; finish; }
fi

# The package, built as a user would: cpack on a finished build.
for tool in dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || skip "$tool is missing (install dpkg-dev)"
done
if ! "$cpack" --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
fi
debs=("$work"/deb/talven-sound_*.deb)
deb=
[ -f "${debs[0]}" ] && deb=${debs[0]}
check "cpack made ${deb:-no .deb}" test -n "$deb"
[ -n "$deb" ] || finish
all_debs=()
for package in "${packages[@]}"; do
    found=("$work"/deb/"${package}"_*.deb)
    check "cpack made the package $package" test -f "${found[0]}"
    [ -f "${found[0]}" ] && all_debs+=("${found[0]}")
done
[ "$failures" -eq 0 ] || finish
field() { dpkg-deb -f "$work/deb/$1"_*.deb "$2"; }

if [ "$mode" = lint ]; then
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    check "the package depends on libqt6widgets6" grep -q 'libqt6widgets6' <<<"$depends"
    check "the package depends on libsndfile1" grep -q 'libsndfile1' <<<"$depends"
    check "the package recommends qt6-wayland, qt6-translations-l10n and the GStreamer plugin" \
        test "$(dpkg-deb -f "$deb" Recommends)" = "qt6-wayland, qt6-translations-l10n, gstreamer1.0-wss"
    # Each package depends only on what it needs: the library on no Qt, sndfile or GStreamer, the
    # plugin on the library and GStreamer, the development files on the library of their version.
    echo "libwss1 Depends: $(field libwss1 Depends)"
    echo "gstreamer1.0-wss Depends: $(field gstreamer1.0-wss Depends)"
    check "libwss1 depends on neither Qt nor libsndfile nor GStreamer" \
        sh -c '! echo "$1" | grep -Eq "qt|sndfile|gstreamer"' - "$(field libwss1 Depends)"
    check "gstreamer1.0-wss depends on libwss1 and GStreamer, not on Qt" \
        sh -c 'echo "$1" | grep -q "libwss1" && echo "$1" | grep -q "libgstreamer1.0-0" && ! echo "$1" | grep -q qt' \
        - "$(field gstreamer1.0-wss Depends)"
    check "libwss-dev depends on libwss1 of its version" test "$(field libwss-dev Depends)" = "libwss1 (= $(field libwss1 Version))"
    check "libwss1 is in section libs, libwss-dev in libdevel" \
        test "$(field libwss1 Section) $(field libwss-dev Section)" = "libs libdevel"
    check "the package's section is sound" test "$(dpkg-deb -f "$deb" Section)" = sound
    command -v lintian >/dev/null || skip "lintian is missing (install lintian)"
    # The info tags kept, and why:
    #   hardening-no-* only in a build configured without TALVEN_HARDENING (a developer's build); the
    #     package build sets it, and then these tags fail the test like any other.
    kept='^$'
    grep -Eiq '^TALVEN_HARDENING:[A-Z]*=(ON|1|TRUE|YES|Y)$' "$build_dir/CMakeCache.txt" ||
        kept='^I: [a-z0-9.+-]+: hardening-no-(bindnow|fortify-functions) '
    lintian --pedantic --display-info --tag-display-limit 0 "${all_debs[@]}" >"$work/lintian.log" 2>&1
    cat "$work/lintian.log"
    check "lintian --pedantic: no tag but the ones kept" \
        test -z "$(grep -E '^[EWIPXO]: ' "$work/lintian.log" | grep -Ev "$kept")"
    finish
fi

# Installing is for a throwaway machine: no talven-sound of the user's own to overwrite.
status=$(dpkg-query -W -f='${db:Status-Status}' talven-sound 2>/dev/null)
[ -z "$status" ] || [ "$status" = not-installed ] || skip "talven-sound is already installed ($status)"
if [ -e "$program_dir" ] || [ -L "$prefix/bin/talven-sound" ] || [ -e "$prefix/bin/talven-sound" ]; then
    skip "talven-sound is already installed in $prefix without a package"
fi

# Tools for driving the window, installed before our package so apt sees a consistent system.
have() { command -v "$1" >/dev/null; }
need() { # need COMMAND PACKAGE
    have "$1" && return 0
    echo "Installing $2 for $1"
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y -qq --no-install-recommends "$2" >/dev/null 2>&1 ||
        { apt-get update -qq >/dev/null 2>&1 &&
          apt-get install -y -qq --no-install-recommends "$2" >/dev/null 2>&1; }
    check "$1 is available (package $2)" have "$1"
}
need Xvfb xvfb
need xdotool xdotool
[ "$failures" -eq 0 ] || finish

installed=1
if dpkg -i "${all_debs[@]}" >"$work/dpkg.log" 2>&1; then
    check "dpkg -i installed the packages ${packages[*]}" true
else
    cat "$work/dpkg.log"
    if grep -q 'dependency problems' "$work/dpkg.log"; then
        echo "The package's dependencies are missing on this machine (see above); install them first."
    fi
    check "dpkg -i installed the package" false
    finish
fi

check "the desktop entry is in $prefix/share/applications" test -f "$desktop_entry"
if command -v desktop-file-validate >/dev/null; then
    check "the installed desktop entry passes desktop-file-validate" desktop-file-validate "$desktop_entry"
fi
for icon in "${icons[@]}"; do
    check "the icon $icon is installed" test -s "$icon"
done
check "$prefix/bin/talven-sound resolves to $program_dir/talven-sound" \
    test "$(readlink -f "$prefix/bin/talven-sound")" = "$program_dir/talven-sound"
for tool in WSSdec.exe WSSCod.exe; do
    check "$tool is in $program_dir and executable" test -x "$program_dir/$tool"
done
check "the tools are not on the program's PATH" \
    env PATH=/usr/bin:/bin sh -c '! command -v WSSdec.exe >/dev/null && ! command -v WSSCod.exe >/dev/null'

# The translations: the tools' catalogue where gettext looks, found by the installed tools from their
# own folder (under a German locale made for the test alone), and the desktop entry's German name.
check "the tools' German translation is in $prefix/share/locale" test -s "$prefix/share/locale/de/LC_MESSAGES/talven-sound.mo"
check "the installed desktop entry has a German name" grep -q '^Name\[de\]=' "$desktop_entry"
mkdir -p "$work/locales"
if command -v localedef >/dev/null && localedef -i de_DE -f UTF-8 "$work/locales/de_DE.UTF-8" >/dev/null 2>&1; then
    check "the installed WSSdec.exe answers --help in German" \
        test "$(env -i LOCPATH="$work/locales" LANG=de_DE.UTF-8 "$program_dir/WSSdec.exe" --help | head -n 1)" = \
        "Aufruf: WSSdec.exe [-f | -n] DATEI..."
fi

# The desktop knows WSS files (the shared-mime-info trigger rebuilt the database) and offers the
# program for them and for WAV files (the desktop-file-utils trigger rebuilt the cache "Open with" reads).
mkdir -p "$work/home/.config" "$work/runtime" "$work/sound"
if command -v xdg-mime >/dev/null && command -v gio >/dev/null && command -v update-mime-database >/dev/null &&
    command -v update-desktop-database >/dev/null; then
    printf 'WSS\032\001\000' >"$work/sound/probe.wss"
    desktop() { env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_CURRENT_DESKTOP=GNOME "$@"; }
    check "a .wss file is audio/x-wss" test "$(desktop xdg-mime query filetype "$work/sound/probe.wss")" = audio/x-wss
    rm -f "$work/sound/probe.wss"
    for type in audio/x-wss audio/x-wav; do
        check "\"Open with\" offers the program for $type" \
            grep -q "^$type=.*$app_id.desktop" "$prefix/share/applications/mimeinfo.cache"
    done
fi

# The installed program converts a file with the installed tools.
chmod 700 "$work/runtime"
wav=$work/sound/tone.wav
wss=$work/sound/tone.wss
if command -v python3 >/dev/null; then
    python3 - "$wav" <<'EOF'
import math, struct, sys, wave
with wave.open(sys.argv[1], "wb") as w:
    w.setnchannels(1)
    w.setsampwidth(2)
    w.setframerate(22050)
    w.writeframes(b"".join(struct.pack("<h", int(8000 * math.sin(2 * math.pi * 440 * i / 22050)))
                           for i in range(22050)))
EOF
elif command -v sox >/dev/null; then
    sox -n -r 22050 -b 16 -c 1 "$wav" synth 1 sine 440 vol 0.25
fi
check "made tone.wav" test -s "$wav"
wav_size=$(stat -c %s "$wav" 2>/dev/null)
printf '[Settings]\nWAV=%s\nWSS=%s\n' "$wav" "$wss" >"$work/home/.config/ZNRSoundEnCoderDecoder.ini"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
display=:$(head -n 1 "$work/display" 2>/dev/null)
check "Xvfb runs on display $display" test "$display" != ":"
[ "$display" != ":" ] || { cat "$work/xvfb.log"; finish; }
export DISPLAY=$display

(cd "$work" && exec env -i HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    XDG_RUNTIME_DIR="$work/runtime" DISPLAY="$display" PATH=/usr/bin:/bin LANG=C.UTF-8 \
    QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=0 NO_AT_BRIDGE=1 "$prefix/bin/talven-sound") \
    >"$work/program.log" 2>&1 &
app_pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name "$caption" 2>/dev/null | head -n 1)
check "the window \"$caption\" opened" test -n "$window"
[ -n "$window" ] || { cat "$work/program.log"; finish; }
sleep 1 # let the window finish showing before clicking

tool_running() { # true while the program has a child process (a tool it started)
    local children=/proc/$app_pid/task/$app_pid/children
    [ -r "$children" ] && [ -n "$(cat "$children" 2>/dev/null)" ]
}
click_and_wait() { # click_and_wait X Y FILE: clicks in the window, waits up to 20 s for FILE
    xdotool mousemove --window "$window" "$1" "$2" click 1
    for _ in $(seq 200); do
        [ -s "$3" ] && ! tool_running && return 0
        sleep 0.1
    done
    return 1
}

click_and_wait 856 52 "$wss" # Encode
check "Encode made tone.wss beside tone.wav" test -s "$wss"
rm -f "$wav"
click_and_wait 856 20 "$wav" # Decode
check "Decode made tone.wav again from tone.wss" test -s "$wav"
check "the decoded tone.wav has the original's size" test "$(stat -c %s "$wav" 2>/dev/null)" = "$wav_size"
[ "$failures" -eq 0 ] || cat "$work/program.log"

kill "$app_pid" 2>/dev/null
wait "$app_pid" 2>/dev/null
app_pid=

# GStreamer plays and describes the WSS file with the installed plugin alone (no plugin path of
# the build), and a C program builds against the installed libwss with pkg-config.
gst() { env -i PATH=/usr/bin:/bin HOME="$work/home" GST_REGISTRY="$work/gst-registry.bin" "$@"; }
if command -v gst-play-1.0 >/dev/null; then
    gst gst-play-1.0 --audiosink=fakesink "$wss" >"$work/gst-play.log" 2>&1
    check "gst-play-1.0 played tone.wss to its end" grep -q 'Reached end of play list' "$work/gst-play.log"
    check "gst-play-1.0 reported no error" sh -c '! grep -q ERROR "$1"' - "$work/gst-play.log"
    [ "$failures" -eq 0 ] || cat "$work/gst-play.log"
fi
if command -v gst-discoverer-1.0 >/dev/null; then
    gst gst-discoverer-1.0 "$wss" >"$work/discoverer.log" 2>&1
    check "gst-discoverer-1.0 gives tone.wss's duration" grep -q 'Duration: 0:00:01.000000000' "$work/discoverer.log"
    check "gst-discoverer-1.0 gives its rate" grep -q 'Sample rate: 22050' "$work/discoverer.log"
fi
if command -v cc >/dev/null && command -v pkg-config >/dev/null; then
    sed -n '/^```c$/,/^```$/p' "$(dirname "$0")/../../docs/libwss.md" | sed '1d;$d' >"$work/example.c"
    # shellcheck disable=SC2046 # the flags are words
    check "a C program builds with pkg-config against the installed libwss" \
        cc "$work/example.c" $(pkg-config --cflags --libs wss) -lm -o "$work/example"
    check "and runs" "$work/example" "$work/example.wss"
fi

# Removing and purging leaves nothing behind.
dpkg -r "${packages[@]}" >"$work/dpkg.log" 2>&1 && dpkg -P "${packages[@]}" >>"$work/dpkg.log" 2>&1
for package in "${packages[@]}"; do
    check "dpkg -r and dpkg -P removed $package" \
        test "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" != installed
done
installed=0
check "the GStreamer plugin is gone" sh -c '! ls /usr/lib/*/gstreamer-1.0/libgstwss.so 2>/dev/null'
check "libwss is gone" sh -c '! ls /usr/lib/*/libwss.so* 2>/dev/null' 
check "$program_dir is gone" test ! -e "$program_dir"
check "$prefix/bin/talven-sound is gone" test ! -L "$prefix/bin/talven-sound" -a ! -e "$prefix/bin/talven-sound"
check "the desktop entry is gone" test ! -e "$desktop_entry"
for icon in "${icons[@]}"; do
    check "the icon $icon is gone" test ! -e "$icon"
done
finish
