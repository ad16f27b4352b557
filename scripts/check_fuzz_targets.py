#!/usr/bin/env python3
"""Keeps every fuzz entry point running: fails when a fuzz/*_fuzz.cpp is the source of no
kivo_add_fuzz_target in fuzz/CMakeLists.txt (scripts/fuzz.sh runs only those), or when a target has
no seeds in fuzz/make_seeds.py.

usage: check_fuzz_targets.py --root SOURCE_DIR
"""

import argparse
import importlib.util
import re
import sys
from pathlib import Path

TARGET_CALL = re.compile(r"^\s*kivo_add_fuzz_target\(\s*(\w+)([^)]*)\)", re.M)
FUZZ_SOURCE = re.compile(r"([\w/]+_fuzz\.cpp)")


def seeded_targets(fuzz):
    spec = importlib.util.spec_from_file_location("make_seeds", fuzz / "make_seeds.py")
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return set(module.SEEDS)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", type=Path, required=True)
    fuzz = parser.parse_args().root / "fuzz"

    targets, sources = set(), set()
    for call in TARGET_CALL.finditer((fuzz / "CMakeLists.txt").read_text()):
        targets.add(call.group(1))
        sources.update(Path(s).name for s in FUZZ_SOURCE.findall(call.group(2)))
    problems = [f"fuzz/{f.name} is no fuzz target: add its kivo_add_fuzz_target line to fuzz/CMakeLists.txt"
                for f in sorted(fuzz.glob("*_fuzz.cpp")) if f.name not in sources]
    seeded = seeded_targets(fuzz)
    problems += [f"fuzz target {t} has no seeds in fuzz/make_seeds.py" for t in sorted(targets - seeded)]
    problems += [f"fuzz/make_seeds.py writes seeds for {t}, which is no fuzz target" for t in sorted(seeded - targets)]
    for problem in problems:
        print(problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
