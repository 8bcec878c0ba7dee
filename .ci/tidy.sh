#!/usr/bin/env bash
# clang-tidy over the tracked sources, with the checks in .clang-tidy; fails on any finding.
#   .ci/tidy.sh [FILE...]    default: every tracked .cpp file but the fuzz targets
# Needs a configured and built folder (for compile_commands.json and the moc output the tests
# include); BUILD_DIR, default build/dev (the dev preset, which ./dev.sh test builds first; it
# builds the benchmarks too, so bench/ is checked as well).
#
# A file found clean is remembered (TALVEN_TIDY_CACHE, default ~/.cache/talven-sound/tidy) under
# a key made of everything its result depends on: clang-tidy's version, .clang-tidy, the file's
# compile command, the file and every tracked header of the project. A later check of the same
# key is skipped, so after a change only the files it can affect are checked again, and a new
# machine (CI) checks them all. TALVEN_TIDY_CACHE=off checks every file.
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

# The build's compile commands without its precompiled Qt headers (GCC's, which clang cannot
# read): each file is checked with the headers it includes itself.
tidy_db=$build_dir/tidy-db
mkdir -p "$tidy_db"
python3 - "$build_dir/compile_commands.json" "$tidy_db/compile_commands.json" <<'PY'
import json, re, sys
db = json.load(open(sys.argv[1]))
for e in db:
    e["command"] = re.sub(r" -Winvalid-pch| -include \S+/cmake_pch\.hxx", "", e["command"])
json.dump(db, open(sys.argv[2], "w"), indent=1)
PY

cache=${TALVEN_TIDY_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/talven-sound/tidy}
todo=()
keys=()
if [ "$cache" = off ]; then
    todo=("${files[@]}")
else
    mkdir -p "$cache"
    # What every file's result shares: the tool, the checks, the project's headers.
    common=$({ clang-tidy --version; cat .clang-tidy; git ls-files -z '*.h' | xargs -0 cat; } | sha256sum | cut -c1-64)
    mapfile -t commands < <(python3 - "$tidy_db/compile_commands.json" "$PWD" "${files[@]}" <<'PY'
import json, os, sys
db, root, files = sys.argv[1], sys.argv[2], sys.argv[3:]
by_file = {os.path.realpath(e["file"]): e["command"] for e in json.load(open(db))}
for f in files:
    # The command with the checkout's and the build folder's place taken out, so that another
    # clone of the project shares the cache.
    print(by_file.get(os.path.realpath(os.path.join(root, f)), "").replace(root, "."))
PY
)
    for i in "${!files[@]}"; do
        key=$({ echo "$common"; echo "${commands[$i]}"; cat "${files[$i]}"; } | sha256sum | cut -c1-64)
        if [ ! -e "$cache/$key" ]; then
            todo+=("${files[$i]}")
            keys+=("$key")
        fi
    done
fi

if [ ${#todo[@]} -gt 0 ]; then
    run-clang-tidy -quiet -p "$tidy_db" -j "$(nproc)" "${todo[@]/#/$PWD/}" 2>/dev/null >"$build_dir/tidy.log" || {
        grep -E "(warning|error):" "$build_dir/tidy.log" | sort -u
        echo "tidy: findings above (full output in $build_dir/tidy.log)" >&2
        exit 1
    }
    for key in "${keys[@]}"; do
        : >"$cache/$key"
    done
fi
echo "tidy: no findings in ${#files[@]} files (${#todo[@]} checked now, the others unchanged since a clean check)"
