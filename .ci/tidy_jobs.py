#!/usr/bin/env python3
"""Runs clang-tidy over the files named, with the checks in .clang-tidy, parsing Qt's headers as
seldom as gives the same findings (run by .ci/tidy.sh, which knows which files need it).

    tidy_jobs.py COMPILE_DB_DIR JOBS LOG FILE...

Most of a file's time goes to Qt's headers: parsing them, and the AST matchers of the bugprone and
performance checks walking all of them. So:

- files compiled with the same command whose sources can share one translation unit (no main(),
  no test's .moc) get those matchers in one run over a file that includes them all, Qt's headers
  walked once; a unit that does not compile (two files' names clash) falls back to a run a file;
- the static analyzer looks only at the functions of the main file, and some checks look at the
  main file alone, so these still run once a file, reading the Qt headers the group includes from
  a clang precompiled header (the gain is in the parse, as the analyzer does not walk the headers);
- a file alone in its group is checked in one run with every check, as before.

Exit 0: no findings; 1: findings (printed); the whole output goes to LOG.
"""
import concurrent.futures
import hashlib
import json
import os
import re
import shlex
import subprocess
import sys

# Checks that look at the main file only (bugprone-suspicious-include: a .cpp included by it),
# besides the static analyzer: in a shared unit their main file would be the unit itself.
MAIN_FILE_CHECKS = {"bugprone-suspicious-include"}


def clang_tidy_config():
    """The enabled checks, and the header filter, as .clang-tidy makes them."""
    out = subprocess.run(["clang-tidy", "--list-checks", "dummy.cpp"], capture_output=True, text=True,
                         check=True).stdout
    checks = [line.strip() for line in out.splitlines()[1:] if line.strip()]
    header_filter = ""
    for line in open(".clang-tidy"):
        m = re.match(r"HeaderFilterRegex:\s*'(.*)'\s*$", line)
        if m:
            header_filter = m.group(1)
    return checks, header_filter


def split_command(entry):
    """The compile command's words without the source file, -c and -o OUTPUT."""
    words = shlex.split(entry["command"])
    flags = []
    skip = False
    for w in words[1:]:
        if skip:
            skip = False
            continue
        if w == "-o":
            skip = True
            continue
        if w == "-c" or os.path.realpath(os.path.join(entry["directory"], w)) == os.path.realpath(entry["file"]):
            continue
        flags.append(w)
    return words[0], flags


def can_share_unit(path):
    """A file that defines main() or includes its own .moc output needs a unit of its own."""
    text = open(path, errors="replace").read()
    return not re.search(r"\bQTEST(_GUILESS|_APPLESS)?_MAIN\b|\bint\s+main\s*\(|#\s*include\s*\"[^\"]*\.moc\"", text)


def qt_includes(paths):
    found = set()
    for path in paths:
        for line in open(path, errors="replace"):
            m = re.match(r"\s*#\s*include\s*(<Q[A-Za-z]*>)", line)
            if m:
                found.add(m.group(1))
    return sorted(found)


def run(args, log_parts):
    """Runs one command; its output, with the processor time it took, goes to the log."""
    proc = subprocess.Popen(args, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    output = proc.stdout.read()
    _, status, usage = os.wait4(proc.pid, 0)
    proc.returncode = os.waitstatus_to_exitcode(status)
    log_parts.append("$ %s\n# %.1f s of processor time\n%s" % (shlex.join(args), usage.ru_utime + usage.ru_stime, output))
    return proc.returncode, output


def main():
    db_dir, jobs, log_path, files = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4:]
    root = os.getcwd()
    entries = {os.path.realpath(e["file"]): e for e in json.load(open(os.path.join(db_dir, "compile_commands.json")))}
    checks, header_filter = clang_tidy_config()
    per_file = [c for c in checks if c.startswith("clang-analyzer-") or c in MAIN_FILE_CHECKS]
    shared = [c for c in checks if c not in per_file]
    work = os.path.join(os.path.abspath(db_dir), "shared")
    os.makedirs(work, exist_ok=True)

    # Files grouped by compile command (and folder).
    groups = {}
    for f in files:
        path = os.path.realpath(os.path.join(root, f))
        entry = entries.get(path)
        if entry is None:
            groups.setdefault(("", ()), []).append((path, None))
            continue
        compiler, flags = split_command(entry)
        groups.setdefault((entry["directory"], tuple([compiler] + flags)), []).append((path, entry))

    log_parts = []
    pool = concurrent.futures.ThreadPoolExecutor(max_workers=max(1, jobs))

    # A precompiled header of the Qt headers that files compiled alike include, where two files or
    # more share it. The project's include folders (-I) and its own macros (-DRECORDING_TOOL=...)
    # may differ, as Qt's and the C++ library's headers read neither; Qt's (-DQT_...), NDEBUG and the
    # reserved ones may not. A macro defined for a file and not in the header is allowed by clang.
    def pch_key(key):
        def shared_word(w):
            if w.startswith("-I"):
                return False
            return not w.startswith("-D") or re.match(r"-D(QT_|NDEBUG\b|_)", w) is not None
        return (key[0], tuple(w for w in key[1] if shared_word(w)))

    pch_groups = {}
    for key, members in groups.items():
        if key[0]:
            pch_groups.setdefault(pch_key(key), []).extend(p for p, _ in members)

    def make_pch(key, paths):
        directory, command = key
        includes = qt_includes(paths)
        if not includes or len(paths) < 2:
            return None
        name = hashlib.sha256((repr(key) + repr(includes)).encode()).hexdigest()[:16]
        header, pch = os.path.join(work, name + ".h"), os.path.join(work, name + ".pch")
        with open(header, "w") as out:
            out.write("\n".join("#include " + i for i in includes) + "\n")
        code, _ = run(["clang++"] + list(command[1:]) + ["-x", "c++-header", header, "-o", pch], log_parts)
        return pch if code == 0 else None

    pch_list = list(pch_groups.items())
    pchs = dict(zip([k for k, _ in pch_list], pool.map(lambda kv: make_pch(*kv), pch_list)))

    tidy = ["clang-tidy", "--quiet", "-p", db_dir]
    tasks = []  # (cost estimate, args, files it covers, the precompiled header's arguments)
    unit_db = []
    for key, members in groups.items():
        pch = pchs.get(pch_key(key)) if key[0] else None
        pch_args = ["--extra-arg=-include-pch", "--extra-arg=" + pch] if pch else []
        sharing = [p for p, _ in members if key[0] and can_share_unit(p)]
        alone = [p for p, _ in members if p not in sharing]
        if len(sharing) >= 2 and shared:
            name = hashlib.sha256("\n".join(sharing).encode()).hexdigest()[:16]
            unit = os.path.join(work, name + ".cpp")
            with open(unit, "w") as out:
                out.write("".join('#include "%s"\n' % p for p in sharing))
            entry = members[0][1]
            unit_db.append({"directory": entry["directory"], "file": unit,
                            "command": entry["command"].replace(entry["file"], unit)})
            # The shared unit's files count as headers to clang-tidy: report what it finds in them.
            files_filter = "|".join(re.escape(p) for p in sharing)
            tasks.append((sum(os.path.getsize(p) for p in sharing) + 10**9,
                          ["clang-tidy", "--quiet", "-p", work, "--checks=-*," + ",".join(shared),
                           "--header-filter=(%s)|(%s)" % (header_filter, files_filter)] + pch_args + [unit],
                          sharing, pch_args))
            if per_file:
                for p in sharing:
                    tasks.append((os.path.getsize(p), tidy + ["--checks=-*," + ",".join(per_file)] + pch_args + [p],
                                  [p], pch_args))
        else:
            alone += sharing
        for p in alone:
            tasks.append((os.path.getsize(p) * 3, tidy + pch_args + [p], [p], pch_args))
    with open(os.path.join(work, "compile_commands.json"), "w") as out:
        json.dump(unit_db, out, indent=1)

    def one(task):
        _, args, covered, pch_args = task
        code, output = run(args, log_parts)
        # A shared unit that does not compile: its files one by one, with the checks it had.
        if code != 0 and len(covered) > 1 and "clang-diagnostic-error" in output:
            results = [run(tidy + ["--checks=-*," + ",".join(shared)] + pch_args + [p], log_parts) for p in covered]
            code = max(c for c, _ in results)
            output = "".join(o for _, o in results)
        return code, output

    failed = False
    findings = set()
    for code, output in pool.map(one, sorted(tasks, key=lambda t: -t[0])):
        if code != 0:
            failed = True
            findings.update(line for line in output.splitlines() if re.search(r"(warning|error):", line))
    with open(log_path, "w") as log:
        log.write("\n".join(log_parts))
    for line in sorted(findings):
        print(line)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
