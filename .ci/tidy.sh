#!/usr/bin/env bash
# clang-tidy over the tracked sources, with the checks in .clang-tidy; fails on any finding. Which
# files need a check is decided here; .ci/tidy_jobs.py runs clang-tidy on them.
#   .ci/tidy.sh [FILE...]    default: every tracked .cpp file but the fuzz targets
#   .ci/tidy.sh --record     the same over every file, then writes the keys of all of them, clean,
#                            to .ci/tidy-baseline (to commit; add new files to git first)
# Needs a configured and built folder (for compile_commands.json and the moc output the tests
# include); BUILD_DIR, default build/dev (the dev preset, which ./dev.sh test builds first; it
# builds the benchmarks too, so bench/ is checked as well).
#
# A file found clean is remembered (TALVEN_TIDY_CACHE, default ~/.cache/talven-sound/tidy) under
# a key made of everything its result depends on: clang-tidy's version, .clang-tidy and
# .ci/tidy_jobs.py, the file's compile command, the file and each of the project's headers it
# includes, as the build's dependency file lists them (every tracked header, when the build has
# none for it). A later check of the same key is skipped, so after a change only the changed files
# and the files that include a changed header are checked again. The keys in .ci/tidy-baseline,
# which the project keeps, count as clean too: a fresh clone on a new machine (CI) checks what has
# changed since the baseline was recorded, not every file. TALVEN_TIDY_CACHE=off checks every file.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build/dev}
if [ ! -f "$build_dir/compile_commands.json" ]; then
    echo "tidy: no $build_dir/compile_commands.json; build first (cmake --preset dev && cmake --build build/dev)" >&2
    exit 2
fi
record=
if [ "${1:-}" = --record ]; then
    record=1
    shift
    if [ $# -gt 0 ]; then
        echo "tidy: --record checks every file; it takes no file names" >&2
        exit 2
    fi
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
baseline=.ci/tidy-baseline
todo=()
keys=()
file_keys=()
if [ "$cache" = off ] && [ -z "$record" ]; then
    todo=("${files[@]}")
else
    [ "$cache" = off ] || mkdir -p "$cache"
    # What every file's result shares: the tool, the checks and how they are run.
    common=$({ clang-tidy --version; cat .clang-tidy .ci/tidy_jobs.py; } | sha256sum | cut -c1-64)
    mapfile -t file_keys < <(python3 - "$tidy_db/compile_commands.json" "$PWD" "$common" "${files[@]}" <<'PY'
import hashlib, json, os, shlex, subprocess, sys
db, root, common, files = sys.argv[1], os.path.realpath(sys.argv[2]), sys.argv[3], sys.argv[4:]
entries = {os.path.realpath(e["file"]): e for e in json.load(open(db))}
headers = subprocess.run(["git", "ls-files", "-z", "*.h"], capture_output=True, check=True, text=True).stdout
all_headers = sorted(h for h in headers.split("\0") if h)
tracked = set(all_headers)

def project_headers(entry):
    """The checkout's headers the file includes, from the build's dependency file; None if none."""
    words = shlex.split(entry["command"])
    if "-o" not in words:
        return None
    depfile = os.path.join(entry["directory"], words[words.index("-o") + 1] + ".d")
    try:
        text = open(depfile).read()
    except OSError:
        return None
    found = set()
    for word in text.replace("\\\n", " ").split()[1:]:
        path = os.path.realpath(os.path.join(entry["directory"], word))
        if path.startswith(root + "/"):
            found.add(os.path.relpath(path, root))
    return sorted(found & tracked)

for f in files:
    entry = entries.get(os.path.realpath(os.path.join(root, f)))
    digest = hashlib.sha256(common.encode())
    # The command with the checkout's place taken out, so that another clone shares the cache.
    digest.update((entry["command"] if entry else "").replace(root, ".").encode())
    for name in [f] + ((entry and project_headers(entry)) or all_headers):
        digest.update(name.encode() + b"\0")
        with open(os.path.join(root, name), "rb") as content:
            digest.update(content.read())
    print(digest.hexdigest())
PY
)
    declare -A recorded=()
    if [ -f "$baseline" ] && [ "$cache" != off ]; then
        while read -r key; do
            recorded[$key]=1
        done <"$baseline"
    fi
    for i in "${!files[@]}"; do
        if [ "$cache" = off ] || { [ ! -e "$cache/${file_keys[$i]}" ] && [ -z "${recorded[${file_keys[$i]}]:-}" ]; }; then
            todo+=("${files[$i]}")
            keys+=("${file_keys[$i]}")
        fi
    done
fi

if [ ${#todo[@]} -gt 0 ]; then
    python3 .ci/tidy_jobs.py "$tidy_db" "$(nproc)" "$build_dir/tidy.log" "${todo[@]}" || {
        echo "tidy: findings above (full output in $build_dir/tidy.log)" >&2
        exit 1
    }
    if [ "$cache" != off ]; then
        for key in "${keys[@]}"; do
            : >"$cache/$key"
        done
    fi
fi
echo "tidy: no findings in ${#files[@]} files (${#todo[@]} checked now, the others unchanged since a clean check)"
if [ -n "$record" ]; then
    printf '%s\n' "${file_keys[@]}" | sort -u >"$baseline"
    echo "tidy: $baseline holds the keys of the ${#files[@]} files, all clean"
fi
