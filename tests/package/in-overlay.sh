#!/usr/bin/env bash
# Runs a command that changes /usr, /etc and /var (the package install test) in a mount namespace of
# its own, where each of them is an overlay: the command and what it starts see the changes as
# usual, every other process on the machine (the suite running beside it) sees none, and they are
# gone when the command ends, however it ends.
#   tests/package/in-overlay.sh COMMAND [ARG...]
# Needs root (or CAP_SYS_ADMIN) and overlayfs; exit 77 when either is missing.
set -euo pipefail

if [ "${TALVEN_IN_OVERLAY:-}" != 1 ]; then
    [ "$(id -u)" -eq 0 ] || { echo "SKIP: an overlay of /usr needs root" >&2; exit 77; }
    unshare --mount true 2>/dev/null || { echo "SKIP: no mount namespace of its own (unshare --mount)" >&2; exit 77; }
    layers=$(mktemp -d /tmp/talven-overlay.XXXXXX)
    trap 'rm -rf "$layers"' EXIT
    code=0
    TALVEN_IN_OVERLAY=1 TALVEN_OVERLAY_LAYERS=$layers unshare --mount --propagation private "$0" "$@" || code=$?
    exit "$code"
fi

for dir in /usr /etc /var; do
    name=${dir#/}
    mkdir -p "$TALVEN_OVERLAY_LAYERS/$name/upper" "$TALVEN_OVERLAY_LAYERS/$name/work"
    if ! mount -t overlay "overlay-$name" \
        -o "lowerdir=$dir,upperdir=$TALVEN_OVERLAY_LAYERS/$name/upper,workdir=$TALVEN_OVERLAY_LAYERS/$name/work" "$dir"; then
        echo "SKIP: could not put an overlay on $dir" >&2
        exit 77
    fi
done
exec "$@"
