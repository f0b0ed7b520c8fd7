#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Mutation check: does the test suite notice single-line faults in FILES?

Each sampled mutant goes into a scratch copy of the source tree (the working
tree is never touched), which a build of its own compiles incrementally; then
only the ctest tests whose programs contain the mutated file run, fastest
first, until one fails. The score is killed / (killed + survived); a timeout
counts as killed, a mutant that does not build counts for nothing.
"""

import argparse
import json
import os
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from mutation_rules import line_mutants, sample  # noqa: E402

ROOT = Path(__file__).resolve().parent.parent


def parse_args():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("files", nargs="+", metavar="FILE", help="C++ source of the project")
    parser.add_argument("--seed", default="1", help="picks the sample (default 1)")
    parser.add_argument("--max", type=int, default=30, help="mutants a file at most (default 30)")
    parser.add_argument("--dir", default=str(ROOT / "build-mutate"),
                        help="scratch tree and build (default build-mutate)")
    parser.add_argument("--timeout", type=float, default=0,
                        help="seconds a test program may run (default: 5 x its time unmutated, at least 20)")
    parser.add_argument("--list", action="store_true", help="only print the sampled mutants")
    return parser.parse_args()


def project_files():
    """Every file of the working tree that git tracks or would track."""
    out = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                         cwd=ROOT, check=True, capture_output=True).stdout
    return [Path(p.decode()) for p in out.split(b"\0") if p and (ROOT / p.decode()).is_file()]


def sync_tree(tree):
    """Make tree a copy of the working tree, rewriting only files that differ,
    so the scratch build stays incremental."""
    wanted = set(project_files())
    for relative in wanted:
        source, copy = ROOT / relative, tree / relative
        if not copy.is_file() or copy.read_bytes() != source.read_bytes():
            copy.parent.mkdir(parents=True, exist_ok=True)
            shutil.copyfile(source, copy)
            shutil.copymode(source, copy)
    for copy in tree.rglob("*"):
        relative = copy.relative_to(tree)
        if relative.parts[0] != "build" and copy.is_file() and relative not in wanted:
            copy.unlink()


def read_source(path):
    return path.read_bytes().decode("utf-8")


def write_source(path, text):
    path.write_bytes(text.encode("utf-8"))


def build_environment():
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", GTEST_FAIL_FAST="1")
    env.setdefault("CCACHE_BASEDIR", str(ROOT.parent))
    return env


def configure(tree, build, env):
    if (build / "build.ninja").is_file():
        return
    # No debug information: it only slows the links down.
    command = ["cmake", "-S", str(tree), "-B", str(build), "-G", "Ninja",
               "-DCMAKE_BUILD_TYPE=Release", "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG"]
    if shutil.which("ccache"):
        command += ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache"]
    subprocess.run(command, check=True, env=env, stdout=subprocess.DEVNULL)


def ninja(build, env, *arguments, check=True):
    result = subprocess.run(["nice", "-n", "10", "ninja", "-C", str(build), *arguments],
                            env=env, capture_output=True, text=True)
    if check and result.returncode != 0:
        sys.exit(f"{result.stdout}{result.stderr}mutate: ninja {' '.join(arguments)} failed without a mutant")
    return result


def objects_by_source(build, env):
    """Each file the compiler read (sources and headers) -> the objects it went into."""
    result = {}
    current = None
    for line in ninja(build, env, "-t", "deps").stdout.splitlines():
        if line and not line[0].isspace():
            current = line.split(":")[0]
        elif line.strip() and current:
            result.setdefault(os.path.normpath(build / line.strip()), set()).add(current)
    return result


class TestProgram:
    """One ctest test, with the build outputs its command runs."""

    def __init__(self, test, build, outputs):
        self.name = test["name"]
        self.command = test["command"]
        properties = {p["name"]: p["value"] for p in test.get("properties", [])}
        self.directory = properties.get("WORKING_DIRECTORY", str(build))
        self.environment = dict(e.split("=", 1) for e in properties.get("ENVIRONMENT", []))
        self.targets = [os.path.relpath(a, build) for a in self.command
                        if os.path.isabs(a) and os.path.relpath(a, build) in outputs]
        self.seconds = 0.0

    def run(self, env, timeout):
        """'passed', 'failed' or 'timeout'."""
        process = subprocess.Popen(self.command, cwd=self.directory, env=dict(env, **self.environment),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   start_new_session=True)
        try:
            return "passed" if process.wait(timeout=timeout) == 0 else "failed"
        except subprocess.TimeoutExpired:
            return "timeout"
        finally:
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()


def test_programs(build, env):
    listing = subprocess.run(["ctest", "--show-only=json-v1"], cwd=build, env=env,
                             capture_output=True, text=True, check=True).stdout
    outputs = {line.rsplit(": ", 1)[0] for line in ninja(build, env, "-t", "targets", "all").stdout.splitlines()}
    return [TestProgram(t, build, outputs) for t in json.loads(listing)["tests"] if "command" in t]


def tests_containing(path, programs, build, env, objects):
    """The tests whose programs were linked from path, or include it."""
    wanted = objects.get(os.path.normpath(path), set())
    chosen = []
    for program in programs:
        inputs = set(ninja(build, env, "-t", "inputs", *program.targets).stdout.split()) if program.targets else set()
        if inputs & wanted:
            chosen.append(program)
    return chosen


# Tests write to /dev/full to make a disk fill up; a mutant of the safe
# writer that forgets the file is a device renames a regular file over it,
# and the machine would be left without one.
DEVICES = {"/dev/full": (1, 7), "/dev/null": (1, 3)}


def restore_devices():
    """Makes the devices a mutant replaced again; the names of those it had to."""
    replaced = []
    for path, (major, minor) in DEVICES.items():
        if os.path.exists(path) and not os.path.isfile(path):
            continue
        replaced.append(path)
        if os.path.exists(path):
            os.remove(path)
        os.mknod(path, 0o666 | 0o020000, os.makedev(major, minor))
        os.chmod(path, 0o666)
    return replaced


def run_mutant(programs, build, env, timeout):
    """'killed', 'timeout', 'survived' or 'no build', and the test that told."""
    targets = sorted({t for p in programs for t in p.targets})
    if ninja(build, env, *targets, check=False).returncode != 0:
        return "no build", ""
    for program in programs:
        outcome = program.run(env, timeout or max(20.0, 5 * program.seconds))
        if restore_devices():
            return "killed", program.name + " (replaced a device, made again)"
        if outcome != "passed":
            return ("killed" if outcome == "failed" else "timeout"), program.name
    return "survived", ""


def measure(programs, build, env):
    """Check that the unmutated tests pass and time them, to order and bound the mutant runs."""
    ninja(build, env, *sorted({t for p in programs for t in p.targets}))
    for program in programs:
        start = time.monotonic()
        if program.run(env, None) != "passed":
            sys.exit(f"mutate: {program.name} fails without a mutant; fix that first")
        program.seconds = time.monotonic() - start
    programs.sort(key=lambda p: p.seconds)


def main():
    args = parse_args()
    files = []
    for name in args.files:
        path = Path(name).resolve()
        if not path.is_file() or ROOT not in path.parents:
            sys.exit(f"mutate: {name}: not a file of the project")
        files.append(path.relative_to(ROOT))
    plans = {f: sample(line_mutants(read_source(ROOT / f)), args.max, f"{args.seed}:{f}")
             for f in files}
    if args.list:
        for f, mutants in plans.items():
            for m in mutants:
                print(f"{f}:{m.line}: {m.rule}\n  - {m.original.strip()}\n  + {m.mutated.strip()}")
        return

    tree = Path(args.dir).resolve() / "tree"
    build = tree / "build"
    env = build_environment()
    print("mutate: preparing the scratch tree and its build", flush=True)
    sync_tree(tree)
    configure(tree, build, env)
    # The test programs first: ctest knows a test's command only once it is built.
    ninja(build, env, "tests/all")
    programs = test_programs(build, env)
    ninja(build, env, *sorted({t for p in programs for t in p.targets}))
    objects = objects_by_source(build, env)

    results = []
    for f, mutants in plans.items():
        copy = tree / f
        original = read_source(copy)
        chosen = tests_containing(copy, programs, build, env, objects)
        if not chosen:
            print(f"mutate: {f}: no test program contains it; skipped")
            continue
        measure(chosen, build, env)
        print(f"mutate: {f}: {len(mutants)} mutants, tests {', '.join(p.name for p in chosen)}", flush=True)
        lines = original.split("\n")
        try:
            for index, m in enumerate(mutants, start=1):
                write_source(copy, "\n".join(lines[:m.line - 1] + [m.mutated] + lines[m.line:]))
                outcome, by = run_mutant(chosen, build, env, args.timeout)
                results.append((f, m, outcome))
                print(f"  [{index}/{len(mutants)}] line {m.line} {m.rule}: {outcome}"
                      + (f" by {by}" if by else ""), flush=True)
        finally:
            write_source(copy, original)
    report(results)


def score_line(results):
    counts = {o: sum(1 for *_, outcome in results if outcome == o)
              for o in ("killed", "timeout", "survived", "no build")}
    judged = counts["killed"] + counts["timeout"] + counts["survived"]
    killed = judged - counts["survived"]
    score = 100.0 * killed / judged if judged else 0.0
    return (f"{score:.0f} %: {killed} of {judged} killed ({counts['timeout']} by timeout),"
            f" {counts['no build']} did not build")


def report(results):
    print()
    for f in dict.fromkeys(f for f, *_ in results):
        print(f"{f}: {score_line([r for r in results if r[0] == f])}")
    print(f"mutation score {score_line(results)}")
    for f, m, outcome in results:
        if outcome == "survived":
            print(f"survived {f}:{m.line} ({m.rule})\n  - {m.original.strip()}\n  + {m.mutated.strip()}")


if __name__ == "__main__":
    # A stop restores the mutated file on the way out, as Ctrl-C does.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    try:
        main()
    except KeyboardInterrupt:
        sys.exit(130)
