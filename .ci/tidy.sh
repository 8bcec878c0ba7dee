#!/usr/bin/env bash
# clang-tidy over the tracked sources, with the checks in .clang-tidy; fails on any finding.
#   .ci/tidy.sh [FILE...]    default: every tracked .cpp file
# Needs a configured and built folder (for compile_commands.json and the moc output the tests
# include); BUILD_DIR, default build/dev (the dev preset, which ./dev.sh test builds first).
# To check only what a branch changed: .ci/tidy.sh $(git diff --name-only main -- '*.cpp')
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build/dev}
if [ ! -f "$build_dir/compile_commands.json" ]; then
    echo "tidy: no $build_dir/compile_commands.json; build first (cmake --preset dev && cmake --build build/dev)" >&2
    exit 2
fi
files=("$@")
if [ ${#files[@]} -eq 0 ]; then
    # The fuzz targets are built by clang with their own flags, outside this compile database.
    mapfile -t files < <(git ls-files '*.cpp' ':!:tests/fuzz/*')
fi
[ ${#files[@]} -eq 0 ] && exit 0
run-clang-tidy -quiet -p "$build_dir" -j "$(nproc)" "${files[@]/#/$PWD/}" 2>/dev/null >"$build_dir/tidy.log" || {
    grep -E "(warning|error):" "$build_dir/tidy.log" | sort -u
    echo "tidy: findings above (full output in $build_dir/tidy.log)" >&2
    exit 1
}
echo "tidy: no findings in ${#files[@]} files"
