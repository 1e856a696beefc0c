#!/usr/bin/env python3
"""clang-tidy over the sources that build/ compiles, remembering clean files.

    scripts/tidy.py [--skip REGEX] [--no-record] FILE...

A file that clang-tidy passes is written to scripts/tidy-clean.txt with a key:
a hash of everything its result depends on, which is the file as the
compiler's preprocessor sees it (every header it includes, Qt's and ours, and
every macro), its compile flags, the clang-tidy version and every .clang-tidy.
A later run skips a file whose key is recorded, since clang-tidy would read the
very same input with the very same checks; any change to the file, to a header
it includes, to its flags or to the checks gives a new key and a real run.
This keeps the whole tree's check, tests included, inside the test command's
time: a full run takes over ten minutes on two cores, mostly in Qt's headers.
--no-record checks every file and leaves the record as it is.
"""
import argparse
import concurrent.futures
import glob
import hashlib
import json
import os
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


def compile_commands():
    """Every file's command as a list of arguments, written for clang-tidy too."""
    with open(os.path.join(ROOT, "build", "compile_commands.json")) as f:
        entries = json.load(f)
    for e in entries:
        e["arguments"] = without_precompiled_header(shlex.split(e.pop("command")))
    os.makedirs(TIDY_DB, exist_ok=True)
    with open(os.path.join(TIDY_DB, "compile_commands.json"), "w") as f:
        json.dump(entries, f, indent=1)
    return {os.path.relpath(e["file"], ROOT): e for e in entries}


def preprocessor_args(entry):
    """The file's compile command, turned into clang's preprocessor run."""
    args = entry["arguments"][1:]
    out = ["clang++", "-E", "-dD", "-Wno-unused-command-line-argument"]
    skip = False
    for a in args:
        if skip:
            skip = False
        elif a == "-o":
            skip = True
        elif a != "-c":
            out.append(a)
    return out


def checks_identity():
    """What every key shares: the tool's version and the configured checks."""
    h = hashlib.sha256()
    h.update(subprocess.run(["clang-tidy", "--version"], capture_output=True, text=True).stdout.encode())
    for config in sorted(glob.glob(os.path.join(ROOT, "**", ".clang-tidy"), recursive=True)):
        if not os.path.relpath(config, ROOT).startswith("build"):
            h.update(os.path.relpath(config, ROOT).encode())
            with open(config, "rb") as f:
                h.update(f.read())
    return h.digest()


def key_of(path, entry, shared):
    # Absolute paths differ from clone to clone; the text they lead to does not.
    root = ROOT.encode()
    pre = subprocess.run(preprocessor_args(entry), cwd=entry["directory"], capture_output=True)
    if pre.returncode != 0:
        return None
    h = hashlib.sha256(shared)
    h.update(path.encode() + b"\0")
    h.update(" ".join(entry["arguments"][1:]).encode().replace(root, b"@") + b"\0")
    h.update(pre.stdout.replace(root, b"@"))
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

    commands = compile_commands()
    files = [f for f in args.files if f in commands]
    shared = checks_identity()
    jobs = os.cpu_count() or 2
    with concurrent.futures.ThreadPoolExecutor(jobs) as pool:
        keys = dict(zip(files, pool.map(lambda f: key_of(f, commands[f], shared), files)))

    record = read_record()
    todo = files if args.no_record else [f for f in files if keys[f] is None or record.get(f) != keys[f]]
    print("clang-tidy: %d of %d files to check, %d unchanged since a clean check" %
          (len(todo), len(files), len(files) - len(todo)), flush=True)

    def tidy(path):
        r = subprocess.run(["clang-tidy", "-p", TIDY_DB, "--quiet", "--warnings-as-errors=*", path],
                           capture_output=True, text=True)
        return path, r.returncode, r.stdout

    failed = []
    with concurrent.futures.ThreadPoolExecutor(jobs) as pool:
        for path, status, output in pool.map(tidy, todo):
            if status != 0:
                failed.append(path)
                sys.stdout.write(output)
                record.pop(path, None)
            elif keys[path] is not None:
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
