#!/usr/bin/env bash
# libwss's ABI as programs see it.
#   tests/libwss/test-abi.sh LIBRARY SOURCE_DIR
# Checks that the library exports only wss_ functions, all under the version node WSS_1, and
# compares its ABI with the one recorded in libwss/abi/libwss.so.1.abi (abidiff, abigail-tools):
# any change fails. After a deliberate, compatible addition record the new ABI with
#   abidw --exported-interfaces-only --headers-dir libwss/include/wss --suppressions libwss/abi/libwss.suppr \
#       --no-corpus-path --drop-undefined-syms build/dev/lib/libwss.so.1 > libwss/abi/libwss.so.1.abi
# Exit 0: same ABI; 1: changed; 77: abidiff is missing.
set -u
library=${1:?usage: test-abi.sh LIBRARY SOURCE_DIR}
source_dir=${2:?usage: test-abi.sh LIBRARY SOURCE_DIR}

failed=0
exported=$(nm -D --defined-only "$library" | awk '{print $3}')
others=$(grep -Ev '^(wss_[a-z0-9_]+@@WSS_1|WSS_1)$' <<<"$exported")
if [ -n "$others" ]; then
    echo "FAIL: the library exports more than the wss_ functions of WSS_1:"
    echo "$others"
    failed=1
else
    echo "PASS: exported: $(grep -c '^wss_' <<<"$exported") wss_ functions, version WSS_1"
fi
soname=$(objdump -p "$library" | awk '$1 == "SONAME" {print $2}')
if [ "$soname" != libwss.so.1 ]; then
    echo "FAIL: SONAME is '$soname', not libwss.so.1"
    failed=1
fi

command -v abidiff >/dev/null || { echo "SKIP: abidiff is missing (install abigail-tools)"; exit 77; }
if abidiff --headers-dir2 "$source_dir/libwss/include/wss" --suppressions "$source_dir/libwss/abi/libwss.suppr" \
    "$source_dir/libwss/abi/libwss.so.1.abi" "$library"; then
    echo "PASS: the ABI is the recorded one"
else
    echo "FAIL: the ABI differs from libwss/abi/libwss.so.1.abi (see above)"
    failed=1
fi
exit $failed
