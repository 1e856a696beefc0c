#!/usr/bin/env python3
"""Mutation check: how many small faults does the test suite catch?

Samples N mutants over the layers, and for each one: applies one small change
to one source line, rebuilds incrementally in its own build directory, runs
the normal tests (stopping at the first failure), and puts the line back.
Prints the score per layer and every mutant that survived.

    scripts/mutate.py [-n N] [--seed S] [--layer NAME ...] [--build DIR] [--list]
    scripts/mutate.py --rerun OUTPUT        # only the survivors listed in OUTPUT

A mutant that does not compile (or compiles with a warning) is not counted.
Numbers that only set a layout's spacing or margins are not mutated: no test
can tell a pixel more of space from a pixel less. A window's twips move by a
whole pixel, 15 twips.
Not part of the test command: each mutant costs a rebuild and a test run.
"""
import argparse
import ast
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# What the plain (non-widget) tests need.
FAST_TARGETS = ["engine_tests", "table_tests", "cli_tests", "tabrix-convert"]

# Layer -> weight in the sample
LAYERS = {
    "tables": 40,
    "engine": 20,
    "cli": 15,
    "windows+frame": 25,
}


def files_of(layer):
    def cpp(folder):
        d = os.path.join(ROOT, folder)
        return sorted(os.path.join(folder, f) for f in os.listdir(d) if f.endswith(".cpp"))

    if layer == "tables":
        return [f for f in cpp("tables") if not f.endswith("registry.cpp")]
    if layer == "engine":
        return cpp("engine")
    if layer == "cli":
        return cpp("cli")
    return cpp("windows") + cpp("frame") + ["frame/command_table.h"]


NUMBER = re.compile(r"(?<![\w.])(\d+\.\d*(?:e[-+]?\d+)?|\d+e[-+]?\d+|\d+)(?![\w.])")
STRING = re.compile(r'"((?:[^"\\]|\\.)*)"')


# Spacing and margins: a changed number moves a control by a few pixels, which
# no user-visible check can (or should) pin.
LAYOUT_ONLY = re.compile(r"\b(set(Contents)?Margins?|set(Horizontal|Vertical)?Spacing|addSpacing|QMargins)\b")


def is_code(line):
    s = line.strip()
    return s and not s.startswith("//") and not s.startswith("#") and not s.startswith("*")


def change_digit(number, rng):
    positions = [i for i, c in enumerate(number) if c.isdigit() and "e" not in number[:i].lower()]
    if not positions:
        return None
    i = rng.choice(positions)
    d = int(number[i])
    new = str((d + rng.choice([1, 2, 3, 4, 5, 6, 7, 8, 9])) % 10)
    return number[:i] + new + number[i + 1:]


def table_mutants(path, lines, rng):
    """Kinds: constant, operation, place (two neighbouring cells swapped),
    caption (a letter changed or the "&" dropped)."""
    out = []
    for n, line in enumerate(lines):
        if not is_code(line) or "static_assert" in line:
            continue
        # Strings in a table source are its captions and abbreviations.
        for m in STRING.finditer(line):
            s = m.group(1)
            if not s:
                continue
            if "&" in s:
                out.append(("caption", n, m.start(1), s, s.replace("&", "", 1)))
            letters = [i for i, c in enumerate(s) if c.isalpha()]
            if letters:
                i = rng.choice(letters)
                r = "x" if s[i].lower() != "x" else "q"
                out.append(("caption", n, m.start(1), s, s[:i] + r + s[i + 1:]))
        for m in re.finditer(r"\b(Mul|Div|Add|Sub)\(([^()]*)\)", line):
            op, k = m.group(1), m.group(2)
            nm = NUMBER.search(k)
            if nm:
                new = change_digit(nm.group(1), rng)
                if new and new != nm.group(1):
                    out.append(("constant", n, m.start(2) + nm.start(1), nm.group(1), new))
            other = {"Mul": "Div", "Div": "Mul", "Add": "Sub", "Sub": "Add"}[op]
            out.append(("operation", n, m.start(1), op, other))
        cells = list(re.finditer(r"Cell\((?:[^()]|\([^()]*\))*\)", line))
        for a, b in zip(cells, cells[1:]):
            if a.group(0) != b.group(0):
                seg = line[a.start():b.end()]
                swapped = b.group(0) + line[a.end():b.start()] + a.group(0)
                out.append(("place", n, a.start(), seg, swapped))
    return out


OPERATORS = [
    (r"(?<![<>=!])<(?![<=])", "<="), (r"<=", "<"), (r"(?<![<>=!-])>(?![>=])", ">="), (r">=", ">"),
    (r"==", "!="), (r"!=", "=="), (r"&&", "||"), (r"\|\|", "&&"),
    (r"(?<![+])\+(?![+=])", "-"), (r"(?<![-])-(?![->=])", "+"), (r"\+\+", "--"),
    (r"\btrue\b", "false"), (r"\bfalse\b", "true"),
]


def code_mutants(path, lines, rng):
    """Kinds: operator, number, string, removed statement."""
    out = []
    for n, line in enumerate(lines):
        if not is_code(line):
            continue
        code = STRING.sub(lambda m: '"' + " " * len(m.group(1)) + '"', line)
        comment = code.index("//") if "//" in code else len(code)  # a trailing comment is no code
        code = code[:comment] + " " * (len(code) - comment)
        if "#include" in code or "template" in code:
            continue
        if LAYOUT_ONLY.search(code):
            continue
        for pattern, repl in OPERATORS:
            for m in re.finditer(pattern, code):
                if "<" in m.group(0) or ">" in m.group(0):
                    # skip template brackets and includes: a comparison has blanks around it
                    if not (code[m.start() - 1:m.start()] == " " and code[m.end():m.end() + 1] == " "):
                        continue
                if m.group(0) in "+-" and not (code[m.start() - 1:m.start()] == " "):
                    continue
                out.append(("operator", n, m.start(), m.group(0), repl))
        for m in NUMBER.finditer(code):
            num = m.group(1)
            if num in ("0",):
                out.append(("number", n, m.start(1), num, "1"))
            else:
                try:
                    v = int(num)
                    # A window's measures of 100 and more are twips, and 15 of
                    # them make a pixel at 96 dpi: one twip more would move
                    # nothing on the screen, whether or not the measure is a
                    # whole number of pixels (1300 is not).
                    step = 15 if v >= 100 and path.startswith(("windows/", "frame/")) else 1
                    out.append(("number", n, m.start(1), num, str(v + step)))
                except ValueError:
                    new = change_digit(num, rng)
                    if new:
                        out.append(("number", n, m.start(1), num, new))
        for m in STRING.finditer(line[:comment]):
            s = m.group(1)
            letters = [i for i, c in enumerate(s) if c.isalpha()]
            if letters and "\\" not in s:
                i = rng.choice(letters)
                r = "x" if s[i].lower() != "x" else "q"
                out.append(("string", n, m.start(1), s, s[:i] + r + s[i + 1:]))
        s = line.strip()
        if (s.endswith(";") and not s.startswith(("return", "case", "break", "const ", "int ", "double ",
                                                    "auto ", "std::", "using", "static", "constexpr",
                                                    "bool ", "char ", "QString ", "QList", "}")) and "=" not in s
                and "(" in s):
            out.append(("removed", n, line.index(s), s, ";"))
    return out


def all_mutants(layer, rng):
    result = []
    for path in files_of(layer):
        with open(os.path.join(ROOT, path)) as f:
            lines = f.read().split("\n")
        make = table_mutants if layer == "tables" else code_mutants
        for kind, n, col, old, new in make(path, lines, rng):
            result.append({"layer": layer, "file": path, "line": n, "col": col, "old": old, "new": new,
                           "kind": kind})
    return result


def describe(m):
    return "%s %s %s:%d:%d: %r -> %r" % (m["layer"], m["kind"], m["file"], m["line"] + 1, m["col"] + 1, m["old"],
                                         m["new"])


DESCRIBED = re.compile(r"(\S+) (\S+) (\S+):(\d+):(\d+): ('(?:[^'\\]|\\.)*'|\"(?:[^\"\\]|\\.)*\") -> (.*)$")


def survivors_of(output, layers):
    """The mutants an earlier run printed as surviving, still applicable to
    today's sources."""
    sample = []
    in_list = False
    with open(output) as f:
        for text in f:
            text = text.strip()
            if text.startswith("survivors:"):
                in_list = True
                continue
            if text.startswith("[") and " survived " in text:
                text = text.split(" survived ", 1)[1].rsplit(" (", 1)[0].strip()
            elif not in_list:
                continue
            m = DESCRIBED.match(text)
            if not m or m.group(1) not in layers:
                continue
            mutant = {"layer": m.group(1), "kind": m.group(2), "file": m.group(3), "line": int(m.group(4)) - 1,
                      "col": int(m.group(5)) - 1, "old": ast.literal_eval(m.group(6)),
                      "new": ast.literal_eval(m.group(7))}
            if mutant in sample:
                continue  # listed while running and again at the end
            try:
                with open(os.path.join(ROOT, mutant["file"])) as source:
                    line = source.read().split("\n")[mutant["line"]]
            except (OSError, IndexError):
                line = ""
            if line[mutant["col"]:mutant["col"] + len(mutant["old"])] != mutant["old"]:
                print("no longer in the sources: " + describe(mutant))
                continue
            sample.append(mutant)
    return sample


def run(cmd, timeout, log):
    with open(log, "a") as out:
        out.write("\n$ " + " ".join(cmd) + "\n")
        out.flush()
        p = subprocess.Popen(["nice", "-n", "19"] + cmd, cwd=ROOT, stdout=out, stderr=subprocess.STDOUT,
                             start_new_session=True)
        try:
            return p.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            os.killpg(p.pid, signal.SIGKILL)
            p.wait()
            return -1


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("-n", type=int, default=40, help="number of mutants (default 40)")
    ap.add_argument("--seed", type=int, default=int(time.time()), help="sample seed (default: the clock)")
    ap.add_argument("--layer", action="append", choices=sorted(LAYERS), help="only these layers")
    ap.add_argument("--build", default="build-mutate", help="build directory (default build-mutate)")
    ap.add_argument("--list", action="store_true", help="print the sample and stop")
    ap.add_argument("--rerun", metavar="OUTPUT",
                    help="test again only the survivors listed in OUTPUT (what an earlier run printed)")
    ap.add_argument("--monkey-events", type=int, default=2500,
                    help="events per seed of the monkey test (default 2500, a quarter of its own)")
    args = ap.parse_args()

    layers = args.layer or list(LAYERS)
    if args.rerun:
        sample = survivors_of(args.rerun, layers)
        print("%d survivors of %s" % (len(sample), args.rerun))
    else:
        rng = random.Random(args.seed)
        pools = {l: all_mutants(l, rng) for l in layers}
        weights = sum(LAYERS[l] for l in layers)
        sample = []
        for l in layers:
            k = round(args.n * LAYERS[l] / weights)
            sample += rng.sample(pools[l], min(k, len(pools[l])))
        rng.shuffle(sample)
        print("seed %d: %d mutants from %s" % (args.seed, len(sample),
                                               ", ".join("%s %d" % (l, len(pools[l])) for l in layers)))
    if args.list:
        for m in sample:
            print("  " + describe(m))
        return 0

    os.environ["TABRIX_MONKEY_EVENTS"] = str(args.monkey_events)
    build = os.path.join(ROOT, args.build)
    log = os.path.join(build, "mutate.log")
    os.makedirs(build, exist_ok=True)
    # Without the tests configured, ctest finds nothing to run and every
    # mutant would "survive".
    configure = ["cmake", "-S", ".", "-B", args.build, "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DTABRIX_WERROR=ON",
                 "-DBUILD_TESTING=ON", "-DTABRIX_BENCH=OFF"]
    if shutil.which("ccache"):
        # Putting a mutated line back recompiles the original: a cache hit.
        # Paths relative to the tree let a clone share the cache.
        # A precompiled header is a miss for the cache: build without.
        configure += ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DTABRIX_PCH=OFF"]
        os.environ.setdefault("CCACHE_BASEDIR", ROOT)
    env_ok = run(configure, 600, log)
    if env_ok != 0 or run(["cmake", "--build", args.build, "-j2"], 3600, log) != 0:
        print("the unchanged tree does not build; see " + log)
        return 1

    # The suite must pass unchanged, or every mutant would look killed.
    if run(["ctest", "--test-dir", args.build, "-j2", "--no-tests=error", "--timeout", "300"], 1800, log) != 0:
        print("the unchanged tree fails its tests; see " + log)
        return 1

    fast_tests = ["-R", "^(DISABLED)?[A-Z].*\\.|cli_"]
    rest_tests = ["-E", "^(DISABLED)?[A-Z].*\\.|cli_"]

    def ctest(selection):
        return run(["ctest", "--test-dir", args.build, "-j2", "--no-tests=error", "--stop-on-failure", "--timeout",
                    "300"] + selection, 3600, log)

    def test_mutant(layer):
        # Below the windows, the plain tests need only a few targets: build
        # those, run them, and link the windows' tests only for a survivor.
        if layer != "windows+frame":
            if run(["cmake", "--build", args.build, "-j2", "--target"] + FAST_TARGETS, 1800, log) != 0:
                return "invalid"
            if ctest(fast_tests) != 0:
                return "killed"
        if run(["cmake", "--build", args.build, "-j2"], 1800, log) != 0:
            return "invalid"
        if layer == "windows+frame" and ctest(fast_tests) != 0:
            return "killed"
        return "killed" if ctest(rest_tests) != 0 else "survived"

    results = []
    originals = {}

    def restore():
        for path, text in originals.items():
            with open(os.path.join(ROOT, path), "w") as f:
                f.write(text)
        originals.clear()

    def on_signal(signum, frame):
        restore()
        sys.exit(130)

    signal.signal(signal.SIGINT, on_signal)
    signal.signal(signal.SIGTERM, on_signal)

    for i, m in enumerate(sample, 1):
        path = os.path.join(ROOT, m["file"])
        with open(path) as f:
            text = f.read()
        lines = text.split("\n")
        line = lines[m["line"]]
        col = m["col"]
        assert line[col:col + len(m["old"])] == m["old"], m
        lines[m["line"]] = line[:col] + m["new"] + line[col + len(m["old"]):]
        originals[m["file"]] = text
        with open(path, "w") as f:
            f.write("\n".join(lines))
        started = time.time()
        try:
            m["outcome"] = test_mutant(m["layer"])
        finally:
            restore()
        results.append(m)
        print("[%d/%d] %-8s %s (%ds)" % (i, len(sample), m["outcome"], describe(m), time.time() - started),
              flush=True)
    # Leave the build matching the sources.
    run(["cmake", "--build", args.build, "-j2"], 1800, log)

    print("\n%-16s %8s %8s %8s" % ("layer", "killed", "valid", "score"))
    for l in layers + ["all"]:
        rs = [r for r in results if (l == "all" or r["layer"] == l) and r["outcome"] != "invalid"]
        killed = sum(r["outcome"] == "killed" for r in rs)
        print("%-16s %8d %8d %7.0f%%" % (l, killed, len(rs), 100.0 * killed / len(rs) if rs else 0))
        if l == "tables":
            for kind in ("constant", "operation", "place", "caption"):
                ks = [r for r in rs if r["kind"] == kind]
                kk = sum(r["outcome"] == "killed" for r in ks)
                print("  %-14s %8d %8d" % (kind, kk, len(ks)))
    survivors = [r for r in results if r["outcome"] == "survived"]
    print("\nsurvivors: %d" % len(survivors))
    for r in survivors:
        print("  " + describe(r))
    return 0


if __name__ == "__main__":
    sys.exit(main())
