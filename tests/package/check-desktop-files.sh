#!/bin/sh
# Checks one of the files the desktop reads with the desktop's own tools, without installing anything.
#   check-desktop-files.sh desktop  FILE.desktop        desktop-file-validate
#   check-desktop-files.sh metainfo FILE.metainfo.xml   appstreamcli validate, pedantic, offline
#   check-desktop-files.sh mime     FILE.xml            xdg-mime names WSS files by name and by content
#   check-desktop-files.sh man      PAGE.1.gz           man renders the page without a warning
# Exit 0: passed; 1: failed; 77: skipped (a tool is missing; the reason is printed).
set -u
what=$1
file=$2

need() { # need COMMAND PACKAGE
    command -v "$1" >/dev/null && return 0
    echo "SKIP: $1 is missing (install $2)"
    exit 77
}

case $what in
desktop)
    need desktop-file-validate desktop-file-utils
    exec desktop-file-validate "$file"
    ;;
metainfo)
    need appstreamcli appstream
    out=$(appstreamcli validate --no-net --pedantic "$file" 2>&1)
    status=$?
    echo "$out"
    # The one info kept: the id's top-level domain, .example, is not on AppStream's list of domains.
    # That is the point: the name is reserved (RFC 2606), so the id claims nobody else's domain.
    others=$(echo "$out" | grep -E '^[EWIP]: ' | grep -v ': cid-maybe-not-rdns ')
    [ "$status" -eq 0 ] && [ -z "$others" ]
    exit
    ;;
mime)
    need update-mime-database shared-mime-info
    need xdg-mime xdg-utils
    # As on a GNOME desktop, xdg-mime asks GIO, which reads the shared-mime-info database the way
    # file managers do (file(1), its choice without a desktop, would not read it at all).
    need gio libglib2.0-bin
    dir=$(mktemp -d "${TMPDIR:-/tmp}/talven-mime.XXXXXX")
    trap 'rm -rf "$dir"' EXIT
    mkdir -p "$dir/share/mime/packages" "$dir/home" "$dir/sounds"
    cp "$file" "$dir/share/mime/packages/talven-sound.xml"
    update-mime-database "$dir/share/mime" >/dev/null 2>&1 || { echo "FAIL: update-mime-database"; exit 1; }
    printf 'WSS\032\001\000\001\000' >"$dir/sounds/tone.wss"
    printf 'x' >"$dir/sounds/SHOUT.WSS"
    cp "$dir/sounds/tone.wss" "$dir/sounds/renamed.dat"
    printf 'RIFF\000\000\000\000WAVE' >"$dir/sounds/other.dat"
    failures=0
    # Only the private database: no user's or system's MIME data takes part.
    for row in tone.wss:audio/x-wss SHOUT.WSS:audio/x-wss renamed.dat:audio/x-wss other.dat:-; do
        name=${row%%:*}
        expected=${row#*:}
        got=$(env -i PATH="$PATH" HOME="$dir/home" XDG_DATA_HOME="$dir/home" XDG_DATA_DIRS="$dir/share" \
            XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype "$dir/sounds/$name" 2>&1)
        if { [ "$expected" = - ] && [ "$got" != audio/x-wss ]; } || [ "$got" = "$expected" ]; then
            echo "PASS: $name is ${got}"
        else
            echo "FAIL: $name is ${got:-nothing}, expected $expected"
            failures=$((failures + 1))
        fi
    done
    [ "$failures" -eq 0 ]
    exit
    ;;
man)
    need man man-db
    [ -f "$file" ] || { echo "SKIP: $file was not built (scdoc was missing when the build was configured)"; exit 77; }
    warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$file" 2>&1 >/dev/null)
    page=$(MANWIDTH=80 man -E UTF-8 -l "$file" 2>/dev/null)
    echo "$warnings"
    [ -z "$warnings" ] && echo "$page" | grep -q '^NAME' && echo "$page" | grep -q 'talven-sound - '
    exit
    ;;
esac
echo "usage: check-desktop-files.sh desktop|metainfo|mime|man FILE" >&2
exit 2
