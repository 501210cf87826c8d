#!/usr/bin/env python3
"""Compares a GoogleTest executable's own list of cases (run under Wine) with the filters
the build registered one ctest entry each for. Fails when a case has no entry, runs under
two entries, or an entry's filter matches no case (such an entry would pass running nothing).
Usage: check_gtest_cases.py EXE FILTER..."""

import fnmatch
import subprocess
import sys


def listed_cases(exe):
    result = subprocess.run(["wine", exe, "--gtest_list_tests"], capture_output=True, timeout=100)
    text = result.stdout.decode("utf-8", "replace").replace("\r", "")
    if result.returncode != 0:
        sys.exit(f"{exe} --gtest_list_tests exited {result.returncode}:\n{text}"
                 f"{result.stderr.decode('utf-8', 'replace')}")
    cases, suite = [], None
    for line in text.splitlines():
        name = line.split("#", 1)[0].rstrip()  # '# GetParam() = ...', '# TypeParam = ...'
        if not name.strip():
            continue
        if line.startswith("  ") and suite:
            cases.append(suite + name.strip())
        elif name.endswith("."):
            suite = name
        else:
            suite = None  # a line of the runner's own, such as "Running main() from ..."
    return cases


def main(exe, filters):
    cases = listed_cases(exe)
    matching = {f: [c for c in cases if any(fnmatch.fnmatchcase(c, p) for p in f.split(":"))]
                for f in filters}
    problems = []
    if not cases:
        problems.append("the executable lists no test case")
    for case in cases:
        entries = [f for f, hits in matching.items() if case in hits]
        if len(entries) != 1:
            problems.append(f"{case}: {len(entries)} ctest entries ({', '.join(entries) or 'none'})")
    for f, hits in matching.items():
        if not hits:
            problems.append(f"the entry for {f} matches no listed case")
    for problem in problems:
        print(problem)
    print(f"{len(cases)} cases listed, {len(filters)} entries registered, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2:]))
