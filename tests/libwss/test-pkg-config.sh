#!/usr/bin/env bash
# A C program built against an installed libwss, as another project would build one: the library
# and its development files installed into a temporary prefix (nothing outside it), the example
# from docs/libwss.md compiled with `pkg-config --cflags --libs wss`, then run.
#   tests/libwss/test-pkg-config.sh BUILD_DIR SOURCE_DIR
# Exit 0: built and ran; 1: a step failed; 77: no C compiler or pkg-config.
# EXTRA_CFLAGS: flags the build's own library needs of a program (its sanitizers), added last.
set -u
build_dir=${1:?usage: test-pkg-config.sh BUILD_DIR SOURCE_DIR}
source_dir=${2:?usage: test-pkg-config.sh BUILD_DIR SOURCE_DIR}
for tool in cc pkg-config; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
work=$(mktemp -d /tmp/libwss-consumer.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

for component in libwss1 libwss_dev; do
    cmake --install "$build_dir" --prefix "$work/prefix" --component "$component" >"$work/install.log" 2>&1 ||
        { cat "$work/install.log"; fail "installing $component"; }
done
pc=$(find "$work/prefix" -name wss.pc)
[ -n "$pc" ] || fail "no wss.pc installed"
export PKG_CONFIG_PATH=${pc%/wss.pc}
flags=$(pkg-config --cflags --libs wss) || fail "pkg-config does not know wss"
echo "pkg-config --cflags --libs wss: $flags"
case $flags in *"$work/prefix"*) ;; *) fail "the flags do not point into the prefix installed to" ;; esac

# The first C example of the documentation, as written there.
sed -n '/^```c$/,/^```$/p' "$source_dir/docs/libwss.md" | sed '1d;$d' >"$work/tone.c"
[ -s "$work/tone.c" ] || fail "no C example in docs/libwss.md"
# shellcheck disable=SC2086 # the flags are words
cc -std=c99 -Wall -Wextra -Werror -pedantic "$work/tone.c" $flags -lm ${EXTRA_CFLAGS:-} -o "$work/tone" ||
    fail "the example does not compile against the installed files"
objdump -p "$work/tone" | grep -q 'NEEDED *libwss.so.1$' || fail "the program does not need libwss.so.1"

libdir=$(pkg-config --variable=libdir wss)
out=$(LD_LIBRARY_PATH=$libdir "$work/tone" "$work/tone.wss") || fail "the example failed: $out"
echo "$out"
[ "$out" = "$work/tone.wss: 44100 Hz, 1 channel(s), 44100 frames, 44100 read" ] || fail "unexpected output"
echo "PASS: built with pkg-config against the installed library, and ran"
