#!/usr/bin/env python3
"""clang-tidy over the sources that build/ compiles, remembering clean files.

    scripts/tidy.py [--no-record] FILE...

A file that clang-tidy passes is written to scripts/tidy-clean.txt with a key:
a hash of everything its result depends on. That is the file and every header
of ours it includes, directly or through another (generated ones in build/
too), its compile flags, the clang-tidy version, every .clang-tidy, and the
versions of the Debian packages whose headers the sources reach (the C and C++
libraries, Qt, GoogleTest, Benchmark, clang's own). A later run skips a file
whose key is recorded, since clang-tidy would read the very same input with
the very same checks; any change to the file, to a header of ours it includes,
to its flags, to the checks or to a library package gives a new key and a
real run. The key costs a few file reads, not a preprocessor run through Qt's
headers. This keeps the whole tree's check, tests included, inside the test
command's time: a full run takes over ten minutes on two cores.
--no-record checks every file and leaves the record as it is.
"""
import argparse
import concurrent.futures
import glob
import hashlib
import json
import os
import re
import shlex
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RECORD = os.path.join(ROOT, "scripts", "tidy-clean.txt")


# Where the commands clang-tidy reads are written, without the build's
# precompiled headers: clang cannot read GCC's, and a file is checked as it
# stands on its own, with the headers it includes itself.
TIDY_DB = os.path.join(ROOT, "build", "tidy")


def without_precompiled_header(args):
    out = []
    skip = False
    for i, a in enumerate(args):
        if skip:
            skip = False
        elif a == "-include" and i + 1 < len(args) and args[i + 1].endswith("cmake_pch.hxx"):
            skip = True
        elif a != "-Winvalid-pch":
            out.append(a)
    return out


def compile_commands(files):
    """Every file's command as a list of arguments, written for clang-tidy too.
    A file build/ does not compile (the fuzz targets, which build only with
    clang's fuzzer flags, in a build of their own) needs no more than the
    language level and the tree's root on its search path."""
    with open(os.path.join(ROOT, "build", "compile_commands.json")) as f:
        entries = json.load(f)
    for e in entries:
        e["arguments"] = without_precompiled_header(shlex.split(e.pop("command")))
    built = {os.path.relpath(e["file"], ROOT) for e in entries}
    for path in files:
        if path not in built:
            entries.append({"directory": ROOT, "file": os.path.join(ROOT, path),
                            "arguments": ["clang++", "-std=c++20", "-I" + ROOT, "-c", path]})
    os.makedirs(TIDY_DB, exist_ok=True)
    with open(os.path.join(TIDY_DB, "compile_commands.json"), "w") as f:
        json.dump(entries, f, indent=1)
    return {os.path.relpath(e["file"], ROOT): e for e in entries}


# The packages that hold every header outside the tree that a source reaches;
# an upgrade of one may change what clang-tidy reads.
HEADER_PACKAGES = ["libc6-dev", "linux-libc-dev", "libstdc++-12-dev", "libclang-common-14-dev",
                   "qt6-base-dev", "qt6-svg-dev", "libgl-dev", "libgtest-dev", "libgmock-dev",
                   "libbenchmark-dev"]

INCLUDE = re.compile(rb'^[ \t]*#[ \t]*include[ \t]*([<"])([^">]+)[">]', re.M)


def include_dirs(entry):
    """The command's search path in the compiler's order: -I, then -isystem."""
    args = entry["arguments"]
    quoted, system = [], []
    for i, a in enumerate(args):
        if a in ("-I", "-isystem") and i + 1 < len(args):
            (quoted if a == "-I" else system).append(args[i + 1])
        elif a.startswith("-I") and len(a) > 2:
            quoted.append(a[2:])
    return [os.path.normpath(os.path.join(entry["directory"], d)) for d in quoted + system]


def own_headers(path, entry):
    """The file and every header inside the tree it includes, at any depth.
    Every candidate is followed whatever the conditions around it, so the set
    can only be too large, never too small."""
    dirs = include_dirs(entry)
    start = os.path.normpath(os.path.join(ROOT, path))
    seen, todo = {start}, [start]
    while todo:
        current = todo.pop()
        with open(current, "rb") as f:
            text = f.read()
        for bracket, name in INCLUDE.findall(text):
            here = [os.path.dirname(current)] if bracket == b'"' else []
            for d in here + dirs:
                candidate = os.path.normpath(os.path.join(d, name.decode()))
                if os.path.isfile(candidate):
                    if candidate.startswith(ROOT + os.sep) and candidate not in seen:
                        seen.add(candidate)
                        todo.append(candidate)
                    break
    return sorted(seen)


def checks_identity():
    """What every key shares: the tool's version, the configured checks and
    the library packages' versions."""
    h = hashlib.sha256()
    h.update(subprocess.run(["clang-tidy", "--version"], capture_output=True, text=True).stdout.encode())
    for config in sorted(glob.glob(os.path.join(ROOT, "**", ".clang-tidy"), recursive=True)):
        if not os.path.relpath(config, ROOT).startswith("build"):
            h.update(os.path.relpath(config, ROOT).encode())
            with open(config, "rb") as f:
                h.update(f.read())
    versions = subprocess.run(["dpkg-query", "-W", "-f=${Package} ${Version}\\n"] + HEADER_PACKAGES,
                              capture_output=True, text=True).stdout
    h.update(versions.encode())
    return h.digest()


def key_of(path, entry, shared):
    # Absolute paths differ from clone to clone; the text they lead to does not.
    root = ROOT.encode()
    h = hashlib.sha256(shared)
    h.update(path.encode() + b"\0")
    h.update(" ".join(entry["arguments"][1:]).encode().replace(root, b"@") + b"\0")
    for header in own_headers(path, entry):
        with open(header, "rb") as f:
            h.update(os.path.relpath(header, ROOT).encode() + b"\0" + f.read().replace(root, b"@") + b"\0")
    return h.hexdigest()


def read_record():
    try:
        with open(RECORD) as f:
            return dict(reversed(line.split()) for line in f if line.strip())
    except FileNotFoundError:
        return {}


def write_record(record):
    with open(RECORD, "w") as f:
        for path in sorted(record):
            f.write("%s  %s\n" % (record[path], path))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("files", nargs="+")
    ap.add_argument("--no-record", action="store_true", help="check every file, keep the record as it is")
    args = ap.parse_args()
    os.chdir(ROOT)

    files = [f for f in args.files if os.path.isfile(f)]
    commands = compile_commands(files)
    shared = checks_identity()
    keys = {f: key_of(f, commands[f], shared) for f in files}

    record = read_record()
    todo = files if args.no_record else [f for f in files if record.get(f) != keys[f]]
    print("clang-tidy: %d of %d files to check, %d unchanged since a clean check" %
          (len(todo), len(files), len(files) - len(todo)), flush=True)

    def tidy(path):
        r = subprocess.run(["clang-tidy", "-p", TIDY_DB, "--quiet", "--warnings-as-errors=*", path],
                           capture_output=True, text=True)
        return path, r.returncode, r.stdout

    failed = []
    with concurrent.futures.ThreadPoolExecutor(os.cpu_count() or 2) as pool:
        for path, status, output in pool.map(tidy, todo):
            if status != 0:
                failed.append(path)
                sys.stdout.write(output)
                record.pop(path, None)
            else:
                record[path] = keys[path]
    if not args.no_record:
        # Files that are gone leave the record.
        write_record({p: k for p, k in record.items() if os.path.exists(p)})
    if failed:
        print("clang-tidy found faults in: " + " ".join(failed))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
