#!/usr/bin/env bash
# Fails when a tracked C++ source differs from what clang-format (.clang-format) would make of it.
#   .ci/format.sh          check
#   .ci/format.sh --fix    rewrite the files in place
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
else
    clang-format --dry-run --Werror "${files[@]}"
    echo "format: ${#files[@]} files clean"
fi
