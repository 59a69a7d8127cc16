#!/usr/bin/python3
"""Makes each fault of a list, one at a time, in a copy of the tree, and runs
the tests that should catch it: killed when a test fails, survived when all
pass. The copy and its builds live under build-mutants/ and are reused.

Usage: tests/mutants.py [--list tests/mutants.txt] [NAME-PART ...]
Faults whose name contains a NAME-PART are run; without one, all of them.

The list: blocks of
  == what the fault is
  file: path/in/the/tree
  suite: native | gui | browser FILE.test.mjs [NAME-PATTERN]
  - the text as it stands (once in the file; \\n for a line break)
  + the text with the fault
"""
import argparse
import os
import shutil
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
WORK = ROOT / "build-mutants"
TREE = WORK / "tree"


def run(command, cwd, log, env=None):
    with open(log, "w") as out:
        return subprocess.run(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT,
                              env={**os.environ, **(env or {})}).returncode == 0


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


def passes(suite):
    """True when every test of the suite passes (the fault survives)."""
    kind = suite[0]
    log = WORK / "test.log"
    if kind == "native":
        return run(["ctest", "--test-dir", WORK / "native", "-j", str(os.cpu_count()),
                    "-E", "print_to_pdf|accessibility|screen_reader"], WORK, log)
    if kind == "gui":
        return run(["ctest", "--test-dir", WORK / "native", "-R",
                    "accessibility|screen_reader|form1_test"], WORK, log)
    command = ["node", "--test", "--test-reporter=tap"]
    if len(suite) > 2:
        command.append(f"--test-name-pattern={suite[2]}")
    command.append(suite[1])
    ok = run(command, TREE / "web/test", log, {"WIDMARK_SITE": str(WORK / "web/site")})
    tap = log.read_text()
    return ok and "# fail 0" in tap and "# pass 0" not in tap


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--list", default=str(ROOT / "tests/mutants.txt"))
    parser.add_argument("names", nargs="*")
    args = parser.parse_args()
    faults = [f for f in parse(args.list)
              if not args.names or any(n in f["name"] for n in args.names)]
    WORK.mkdir(exist_ok=True)
    copy_tree()
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
                print(f"killed    {fault['name']}", flush=True)
        finally:
            path.write_text(original)
            os.utime(path)  # the next build sees the file change back
    build("native")
    counted = len(killed) + len(survived)
    print(f"\n{len(killed)} killed, {len(survived)} survived, {len(stillborn)} did not build; "
          f"score {len(killed)}/{counted} = {100 * len(killed) / max(counted, 1):.1f} %")
    return 1 if survived or stillborn else 0


if __name__ == "__main__":
    sys.exit(main())
