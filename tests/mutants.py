#!/usr/bin/python3
"""Makes each fault of a list, or faults it draws itself, one at a time, in a
copy of the tree, and runs the tests that should catch it: killed when a test
fails, survived when all pass. The copy and its builds live under
build-mutants/ and are reused. Before the first fault every suite it will run
must pass on the unchanged tree; if one does not, it stops and names the test.

Usage: tests/mutants.py [--list tests/mutants.txt] [--work DIR] [NAME-PART ...]
       tests/mutants.py --random N --since REV [--seed S] [--work DIR]
Faults whose name contains a NAME-PART are run; without one, all of them.
With --random, N faults are drawn from the product's lines changed since REV
(never tests, data or docs), one operator each (tests/random_faults.py), a
fault that does not build drawn again; each runs the suite of its folder.
Faults listed in tests/equivalent.txt (no user could see them) leave the score.

The list: blocks of
  == what the fault is
  file: path/in/the/tree
  suite: native | gui | browser FILE.test.mjs [NAME-PATTERN]
  - the text as it stands (once in the file; \\n for a line break)
  + the text with the fault
"""
import argparse
import io
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import threading
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
WORK = ROOT / "build-mutants"
TREE = WORK / "tree"


# A fault that makes a test hang is caught as a user would meet it: a test
# past its time fails, and a whole suite past this (three times a loaded
# run of the browser files) stops and fails. The first failing test decides
# a fault: the rest of its suite is not run.
TEST_SECONDS = 60
SUITE_SECONDS = 900


def run(command, cwd, log, env=None, timeout=None, bail=None):
    """True when the command succeeds. With `bail`, a pattern of an output
    line that means failure, the command is stopped at that line."""
    with open(log, "w") as out:
        # A process group of its own, so that a suite past its time is killed whole.
        child = subprocess.Popen(command, cwd=cwd, stdout=subprocess.PIPE,
                                 stderr=subprocess.STDOUT, env={**os.environ, **(env or {})},
                                 start_new_session=True)
        timer = threading.Timer(timeout, os.killpg, (child.pid, signal.SIGKILL)) \
            if timeout else None
        if timer:
            timer.start()
        failed = False
        for line in io.TextIOWrapper(child.stdout, errors="replace"):
            out.write(line)
            if bail and re.match(bail, line):
                failed = True
                os.killpg(child.pid, signal.SIGKILL)
                break
        child.wait()
        if timer:
            timer.cancel()
            if not failed and child.returncode == -signal.SIGKILL:
                out.write(f"\nnot ok 0 - (the suite ran past {timeout} s)\n")
        return not failed and child.returncode == 0


def parse(path):
    faults, fault = [], None
    for line in Path(path).read_text().splitlines():
        if line.startswith("== "):
            fault = {"name": line[3:].strip()}
            faults.append(fault)
        elif fault is None or not line.strip() or line.startswith("#"):
            continue
        elif line.startswith("file: "):
            fault["file"] = line[6:].strip()
        elif line.startswith("suite: "):
            fault["suite"] = line[7:].split(maxsplit=2)
        elif line.startswith("- "):
            fault["old"] = line[2:].replace("\\n", "\n")
        elif line.startswith("+ ") or line == "+":
            fault["new"] = line[2:].replace("\\n", "\n")
    return faults


def copy_tree():
    files = subprocess.run(["git", "ls-files", "-z"], cwd=ROOT, capture_output=True,
                           check=True).stdout.decode().split("\0")
    for name in filter(None, files):
        source, target = ROOT / name, TREE / name
        if not source.is_file():
            continue
        target.parent.mkdir(parents=True, exist_ok=True)
        if not target.exists() or target.read_bytes() != source.read_bytes():
            # A plain copy, stamped now: the source's own time may be older
            # than a build made from the copy's previous content.
            shutil.copyfile(source, target)
            shutil.copymode(source, target)
    modules = TREE / "web/test/node_modules"
    if not modules.exists():
        modules.symlink_to(ROOT / "web/test/node_modules")


def build(suite):
    """Configures (once) and builds what a suite needs; False if it does not build."""
    native = WORK / "native"
    if suite == "browser":
        web = WORK / "web"
        env = {"NODE_PATH": "/usr/share/nodejs"}
        if not (web / "build.ninja").exists():
            run(["emcmake", "cmake", "-S", TREE, "-B", web, "-G", "Ninja", "-Wno-dev",
                 "-DCMAKE_BUILD_TYPE=Release"], WORK, WORK / "web-configure.log", env)
        return run(["cmake", "--build", web, "-j", str(os.cpu_count())], WORK,
                   WORK / "build.log", env)
    if not (native / "build.ninja").exists():
        run(["cmake", "-S", TREE, "-B", native, "-G", "Ninja", "-Wno-dev",
             "-DCMAKE_BUILD_TYPE=Release", "-DWIDMARK_BENCH=OFF"], WORK,
            WORK / "native-configure.log")
    return run(["cmake", "--build", native, "-j", str(os.cpu_count())], WORK, WORK / "build.log")


def environment():
    """What the browser suites read from the environment: the site and the
    table tool of this copy's own web build, and the unchanged desktop
    window's picture that the page's layout is held to."""
    return {"WIDMARK_SITE": str(WORK / "web/site"),
            "WIDMARK_TABLE": str(WORK / "web/tools/widmark-table.js"),
            "WIDMARK_DESKTOP_SHOT": str(WORK / "desktop.png")}


def desktop_shot():
    """The unchanged window's picture, as the test command takes it."""
    if not (build("native") and run([TREE / "tests/desktop_shot.sh", WORK / "native/app/widmark",
                                     WORK / "desktop.png"], WORK, WORK / "shot.log")):
        sys.exit(f"the desktop window could not be photographed (see {WORK / 'shot.log'})")


def failing(suite, log):
    """The names of the tests that failed, from a suite's log."""
    text = log.read_text(errors="replace") if log.exists() else ""
    if suite[0] == "browser":
        return re.findall(r"^not ok \d+ - (.*)$", text, re.M) or ["(no test ran)"]
    return re.findall(r"^\s*\d+ - (\S+) \(", text, re.M) or ["(the build or ctest failed)"]


def passes(suite):
    """True when every test of the suite passes (the fault survives)."""
    kind = suite[0]
    log = WORK / "test.log"
    if kind == "native":
        return run(["ctest", "--test-dir", WORK / "native", "-j", str(os.cpu_count()),
                    "--timeout", str(TEST_SECONDS), "--stop-on-failure",
                    "-E", "print_to_pdf|accessibility|screen_reader"], WORK, log,
                   timeout=SUITE_SECONDS)
    if kind == "gui":
        return run(["ctest", "--test-dir", WORK / "native", "--timeout", str(TEST_SECONDS),
                    "--stop-on-failure", "-R",
                    "accessibility|screen_reader|form1_test|message_box_test|close_test|print_to_pdf"],
                   WORK, log, timeout=SUITE_SECONDS)
    command = ["node", "--test", "--test-reporter=tap"]
    if len(suite) > 2:
        command.append(f"--test-name-pattern={suite[2]}")
    command.extend(suite[1].split(","))
    ok = run(command, TREE / "web/test", log, environment(), timeout=SUITE_SECONDS,
             bail=r"\s*not ok \d+ ")
    tap = log.read_text()
    return ok and "# fail 0" in tap and "# pass 0" not in tap


def baseline(suites):
    """Every suite passes on the unchanged tree, or the run stops here."""
    if any(suite[0] == "browser" for suite in suites):
        desktop_shot()
    for suite in suites:
        if not build("browser" if suite[0] == "browser" else "native"):
            sys.exit(f"the unchanged tree does not build (see {WORK / 'build.log'})")
        if not passes(suite):
            names = ", ".join(failing(suite, WORK / "test.log"))
            sys.exit(f"the unchanged tree fails {' '.join(suite)}: {names}")
        print(f"baseline  {' '.join(suite)} passes", flush=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--list", default=str(ROOT / "tests/mutants.txt"))
    parser.add_argument("--random", type=int, metavar="N")
    parser.add_argument("--since", metavar="REV")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--work", metavar="DIR", help="its copy and builds (build-mutants/)")
    parser.add_argument("names", nargs="*")
    args = parser.parse_args()
    if args.work:  # a second run beside the first needs folders of its own
        global WORK, TREE
        WORK = Path(args.work).resolve()
        TREE = WORK / "tree"
    if args.random is not None:
        if not args.since:
            sys.exit("--random needs --since REV")
        return random_run(args.random, args.since, args.seed)
    faults = [f for f in parse(args.list)
              if not args.names or any(n in f["name"] for n in args.names)]
    WORK.mkdir(exist_ok=True)
    copy_tree()
    suites = []
    for fault in faults:
        if fault["suite"] not in suites:
            suites.append(fault["suite"])
    baseline(suites)
    killed, survived, stillborn = [], [], []
    for fault in faults:
        path = TREE / fault["file"]
        original = path.read_text()
        if original.count(fault["old"]) != 1:
            sys.exit(f"{fault['name']}: the text stands {original.count(fault['old'])} times "
                     f"in {fault['file']}, not once")
        kind = "browser" if fault["suite"][0] == "browser" else "native"
        try:
            path.write_text(original.replace(fault["old"], fault["new"]))
            if not build(kind):
                stillborn.append(fault["name"])
                print(f"no build  {fault['name']}", flush=True)
                continue
            if passes(fault["suite"]):
                survived.append(fault["name"])
                print(f"SURVIVED  {fault['name']}", flush=True)
            else:
                killed.append(fault["name"])
                print(f"killed    {fault['name']}  [by {failing(fault['suite'], WORK / 'test.log')[0]}]",
                      flush=True)
        finally:
            path.write_text(original)
            os.utime(path)  # the next build sees the file change back
    build("native")
    counted = len(killed) + len(survived)
    print(f"\n{len(killed)} killed, {len(survived)} survived, {len(stillborn)} did not build; "
          f"score {len(killed)}/{counted} = {100 * len(killed) / max(counted, 1):.1f} %")
    return 1 if survived or stillborn else 0


def random_run(count, since, seed):
    """Draws `count` faults that build from the lines changed since `since`,
    runs each against its folder's suite, and prints the score."""
    sys.path.insert(0, str(Path(__file__).resolve().parent))
    import random_faults  # beside this file
    WORK.mkdir(exist_ok=True)
    copy_tree()
    candidates = random_faults.drawn(random_faults.candidates(ROOT, since), random.Random(seed))
    if not candidates:
        print(f"no line of the product changed since {since}: no fault to draw")
        return 0
    equivalent = random_faults.equivalent(ROOT / "tests/equivalent.txt")
    suites = []
    for fault in candidates:
        if fault.suite not in suites:
            suites.append(fault.suite)
    baseline(suites)
    killed, survived, skipped, tried = [], [], [], 0
    for fault in candidates:
        if len(killed) + len(survived) + len(skipped) == count:
            break
        path = TREE / fault.file
        original = path.read_text()
        lines = original.split("\n")
        if lines[fault.line - 1] != fault.old:
            continue
        tried += 1
        kind = "browser" if fault.suite[0] == "browser" else "native"
        try:
            lines[fault.line - 1] = fault.new
            path.write_text("\n".join(lines))
            if not build(kind):
                continue  # drawn again: the next candidate
            if fault.key() in equivalent:
                skipped.append(fault)
                print(f"equivalent {fault}", flush=True)
            elif passes(fault.suite):
                survived.append(fault)
                print(f"SURVIVED  {fault}", flush=True)
            else:
                killed.append(fault)
                # By which test, so that a kill by a slow machine stands out.
                print(f"killed    {fault}  [by {failing(fault.suite, WORK / 'test.log')[0]}]",
                      flush=True)
        finally:
            path.write_text(original)
            os.utime(path)
    build("native")
    counted = len(killed) + len(survived)
    print(f"\nseed {seed}, since {since}: {len(killed)} killed, {len(survived)} survived, "
          f"{len(skipped)} equivalent, {tried - counted - len(skipped)} did not build; "
          f"score {len(killed)}/{counted} = {100 * len(killed) / max(counted, 1):.1f} %")
    for fault in survived:
        print(f"  survived {fault}\n    key: {fault.key()}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
