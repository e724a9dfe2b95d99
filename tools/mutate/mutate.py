#!/usr/bin/env python3
"""Mutation testing for the unit tests: does a small, plausible fault in the
game's code make some unit test fail?

Each mutant in the list (tools/mutate/mutations.txt by default) replaces one
exact fragment of one line of a source file. The script copies the source tree
into a scratch folder (/tmp/quasarine-mutate by default), then for each mutant
changes the copy, rebuilds the unit tests there (build-mutate/: -O1, no
sanitizers, no data generation; the tests read the play build's data), runs
them with a time limit and puts the file back from the saved copy. The working
tree is only read, never written, so the script is safe to run while others
edit it.

The list file holds one block per mutant, blocks separated by blank lines;
'#' starts a comment line:

    mutant: entry door reach
    file: src/world/World.cpp
    find: std::abs(column - b.column) < 3 &&
    with: std::abs(column - b.column) < 4 &&

`find` must occur exactly once in the file, inside one line; everything after
"find: " and "with: " counts, spaces included.

Results: killed (a test failed or the test program crashed), timeout (counted
as killed: the tests hung), survived (every test passed), no build (the mutant
does not compile: fix the mutant), stale (the fragment is no longer in the
source: update the list). Tests that fail with no mutant are left out, with a
warning. The exit status is 1 when a mutant survived or is stale, 130 when
interrupted (the scratch copy is put back first), else 0.

    python3 tools/mutate/mutate.py                 # every mutant
    python3 tools/mutate/mutate.py --only door     # names containing "door"
    python3 tools/mutate/mutate.py --check         # only check the list
    python3 tools/mutate/mutate.py --source DIR    # mutate another checkout
"""

import argparse
import filecmp
import json
import os
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass, field
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
SOURCE = REPO  # the tree copied; --source picks another (e.g. an older checkout)
COPIED = ["CMakeLists.txt", "src", "tests", "tools", "benchmarks", "assets"]
SKIPPED_DIRS = {"__pycache__", ".git"}


@dataclass
class Mutant:
    name: str
    file: str
    find: str
    replace: str
    line: int = 0  # where the fragment is, once located
    result: str = ""
    first_failure: str = ""
    seconds: float = 0.0


@dataclass
class Options:
    scratch: Path
    build: Path
    data: Path
    jobs: int
    timeout: float = 0.0
    excluded: list = field(default_factory=list)


def parse_list(path):
    """Reads the mutant blocks; exits with a message naming the line on a mistake."""
    mutants = []
    block = {}
    start = 0

    def finish(number):
        if not block:
            return
        missing = [key for key in ("mutant", "file", "find", "with") if key not in block]
        if missing:
            sys.exit(f"{path}:{start}: mutant block lacks {', '.join(missing)}")
        if block["find"] == block["with"]:
            sys.exit(f"{path}:{start}: find and with are the same")
        mutants.append(Mutant(block["mutant"], block["file"], block["find"], block["with"]))
        block.clear()

    for number, raw in enumerate(path.read_text().splitlines(), 1):
        if raw.startswith("#"):
            continue
        if not raw.strip():
            finish(number)
            continue
        key, sep, value = raw.partition(": ")
        if not sep or key not in ("mutant", "file", "find", "with"):
            sys.exit(f"{path}:{number}: expected 'mutant:', 'file:', 'find:' or 'with:'")
        if key in block:
            sys.exit(f"{path}:{number}: second '{key}:' in one block (blank line missing?)")
        if not block:
            start = number
        block[key] = value
    finish(0)
    names = [m.name for m in mutants]
    for name in names:
        if names.count(name) > 1:
            sys.exit(f"{path}: two mutants are called '{name}'")
    return mutants


def sync_tree(scratch):
    """Makes the scratch copy match the working tree, touching only files whose
    contents differ, so the scratch build stays incremental."""
    scratch.mkdir(parents=True, exist_ok=True)
    wanted = set()
    for top in COPIED:
        source = SOURCE / top
        if source.is_file():
            wanted.add(Path(top))
            continue
        for folder, dirs, files in os.walk(source):
            dirs[:] = [d for d in dirs if d not in SKIPPED_DIRS and not d.startswith("build")]
            for name in files:
                wanted.add((Path(folder) / name).relative_to(SOURCE))
    for relative in sorted(wanted):
        target = scratch / relative
        source = SOURCE / relative
        if target.exists() and filecmp.cmp(source, target, shallow=False):
            continue
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(source, target)  # a fresh time stamp: make rebuilds it
    for top in COPIED:
        root = scratch / top
        if not root.is_dir():
            continue
        for folder, dirs, files in os.walk(root):
            for name in files:
                relative = (Path(folder) / name).relative_to(scratch)
                if relative not in wanted:
                    (scratch / relative).unlink()


def locate(mutant, scratch):
    """Finds the mutant's line; False (with the result set) when it cannot."""
    path = scratch / mutant.file
    if not path.is_file():
        mutant.result, mutant.first_failure = "stale", "no such file"
        return False
    text = path.read_text()
    count = text.count(mutant.find)
    if count != 1:
        mutant.result = "stale"
        mutant.first_failure = "fragment not found" if count == 0 else f"fragment found {count} times"
        return False
    if "\n" in mutant.find:
        mutant.result, mutant.first_failure = "stale", "fragment spans lines"
        return False
    mutant.line = text[: text.index(mutant.find)].count("\n") + 1
    return True


def run(command, log, timeout=None, env=None):
    """Runs a command in a process group of its own; the exit status, or None
    when it ran out of time (the whole group is then killed)."""
    with open(log, "w") as out:
        process = subprocess.Popen(command, stdout=out, stderr=subprocess.STDOUT,
                                   start_new_session=True, env=env)
        try:
            return process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
            return None
        except BaseException:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
            raise


def configure(options):
    command = [
        "cmake", "-S", str(options.scratch), "-B", str(options.build),
        "-DQUASARINE_TESTS=ON", "-DQUASARINE_SANITIZE=OFF", "-DQUASARINE_DATA=OFF",
        f"-DQUASARINE_DATA_DIR={options.data}", "-DCMAKE_BUILD_TYPE=Release",
        "-DCMAKE_CXX_FLAGS_RELEASE=-O1", "-DCMAKE_C_FLAGS_RELEASE=-O1",
    ]
    if run(command, options.scratch / "configure.log") != 0:
        sys.exit(f"cmake failed; see {options.scratch / 'configure.log'}")


def build(options):
    command = ["cmake", "--build", str(options.build), "--target", "unit_tests",
               "-j", str(options.jobs)]
    return run(command, options.scratch / "build.log") == 0


def test_env(options):
    env = dict(os.environ)
    env["QUASARINE_DATA_DIR"] = str(options.data)
    env["QUASARINE_NO_BOXES"] = "1"
    # Temporary files of this run stay apart from any other test run.
    tmp = options.scratch / "tmp"
    shutil.rmtree(tmp, ignore_errors=True)
    tmp.mkdir()
    env["TEST_TMPDIR"] = str(tmp) + "/"
    env["TMPDIR"] = str(tmp)
    return env


def run_tests(options, fail_fast, timeout):
    """Runs unit_tests; (exit status or None on time-out, failed test names)."""
    report = options.scratch / "results.json"
    report.unlink(missing_ok=True)
    command = [str(options.build / "unit_tests"), f"--gtest_output=json:{report}"]
    if fail_fast:
        command.append("--gtest_fail_fast")
    if options.excluded:
        command.append("--gtest_filter=-" + ":".join(options.excluded))
    status = run(command, options.scratch / "tests.log", timeout, test_env(options))
    failed = []
    if report.exists():
        try:
            results = json.loads(report.read_text())
        except json.JSONDecodeError:
            results = {}
        for suite in results.get("testsuites", []):
            for test in suite.get("testsuite", []):
                if test.get("failures"):
                    failed.append(f"{suite['name']}.{test['name']}")
    return status, failed


def crashed_test(options):
    """The test that was running when the program died, from its output."""
    running = ""
    for line in (options.scratch / "tests.log").read_text(errors="replace").splitlines():
        if line.startswith("[ RUN      ] "):
            running = line[len("[ RUN      ] "):].strip()
        elif line.startswith(("[       OK ] ", "[  FAILED  ] ", "[  SKIPPED ] ")):
            running = ""
    return f"{running} (crashed)" if running else "(the test program crashed)"


def baseline(options):
    print("building and running the unmutated tests...", flush=True)
    if not build(options):
        sys.exit(f"the unmutated tree does not build; see {options.scratch / 'build.log'}")
    started = time.monotonic()
    status, failed = run_tests(options, fail_fast=False, timeout=1800)
    seconds = time.monotonic() - started
    if status is None:
        sys.exit("the unmutated tests did not finish in 30 minutes")
    if status != 0 and not failed:
        sys.exit(f"the unmutated tests crashed; see {options.scratch / 'tests.log'}")
    if failed:
        print("these tests fail without any mutant and are left out:", flush=True)
        for name in failed:
            print("   ", name)
        options.excluded = failed
    if not options.timeout:
        options.timeout = max(60.0, 3 * seconds + 30)
    print(f"the tests take {seconds:.0f} s; a mutant run is stopped after "
          f"{options.timeout:.0f} s", flush=True)


def try_mutant(mutant, options):
    path = options.scratch / mutant.file
    original = path.read_bytes()
    mutated = original.decode().replace(mutant.find, mutant.replace, 1).encode()
    started = time.monotonic()
    try:
        path.write_bytes(mutated)
        if not build(options):
            mutant.result = "no build"
            mutant.first_failure = "see build.log"
            shutil.copyfile(options.scratch / "build.log", options.scratch / "no-build.log")
            return
        status, failed = run_tests(options, fail_fast=True, timeout=options.timeout)
        if status is None:
            mutant.result, mutant.first_failure = "timeout", "(hung: counted as killed)"
        elif failed:
            mutant.result, mutant.first_failure = "killed", failed[0]
        elif status != 0:
            mutant.result, mutant.first_failure = "killed", crashed_test(options)
        else:
            mutant.result = "survived"
    finally:
        path.write_bytes(original)
        os.utime(path)  # newer than the mutant's objects, so they are rebuilt
        mutant.seconds = time.monotonic() - started


def print_table(mutants):
    rows = [("mutant", "where", "result", "first failing test")]
    for m in mutants:
        where = f"{m.file}:{m.line}" if m.line else m.file
        rows.append((m.name, where, m.result or "not run", m.first_failure))
    widths = [max(len(row[i]) for row in rows) for i in range(3)]
    print()
    for i, row in enumerate(rows):
        print("  ".join(cell.ljust(widths[k]) for k, cell in enumerate(row[:3])) + "  " + row[3])
        if i == 0:
            print("  ".join("-" * w for w in widths) + "  " + "-" * len(rows[0][3]))
    killed = sum(m.result in ("killed", "timeout") for m in mutants)
    print(f"\n{killed} of {len(mutants)} mutants killed")


def raise_interrupt(signum, frame):
    raise KeyboardInterrupt


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--list", type=Path, default=REPO / "tools/mutate/mutations.txt")
    parser.add_argument("--only", action="append", default=[],
                        help="run the mutants whose name contains this (repeatable)")
    parser.add_argument("--source", type=Path, default=REPO,
                        help="the source tree to copy (default: this working tree)")
    parser.add_argument("--scratch", type=Path, default=Path("/tmp/quasarine-mutate"))
    parser.add_argument("--data", type=Path, default=REPO / "build/data",
                        help="the generated data the tests read")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--timeout", type=float, default=0,
                        help="seconds per mutant's test run (default: 3 x the unmutated run)")
    parser.add_argument("--check", action="store_true",
                        help="only check that every fragment is found once")
    args = parser.parse_args()

    global SOURCE
    SOURCE = args.source.resolve()
    mutants = parse_list(args.list)
    if args.only:
        mutants = [m for m in mutants if any(word in m.name for word in args.only)]
    scratch = args.scratch.resolve()
    options = Options(scratch, scratch / "build-mutate", args.data.resolve(), args.jobs,
                      args.timeout)
    signal.signal(signal.SIGINT, raise_interrupt)
    signal.signal(signal.SIGTERM, raise_interrupt)
    signal.signal(signal.SIGHUP, raise_interrupt)

    sync_tree(scratch)
    located = [m for m in mutants if locate(m, scratch)]
    if args.check:
        print_table(mutants)
        return 1 if len(located) != len(mutants) else 0
    if not (options.data / "map").is_dir():
        print(f"warning: {options.data} holds no generated data; tests that need it "
              "are skipped, so more mutants survive", flush=True)

    configure(options)
    interrupted = False
    try:
        baseline(options)
        for number, mutant in enumerate(located, 1):
            print(f"[{number}/{len(located)}] {mutant.name} ({mutant.file}:{mutant.line})...",
                  end=" ", flush=True)
            try_mutant(mutant, options)
            print(f"{mutant.result} ({mutant.seconds:.0f} s)", flush=True)
    except KeyboardInterrupt:
        interrupted = True
        print("\ninterrupted; the scratch copy is restored", flush=True)
    print_table(mutants)
    if interrupted:
        return 130
    bad = [m for m in mutants if m.result in ("survived", "stale")]
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
