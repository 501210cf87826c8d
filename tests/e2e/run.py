"""Runs the end-to-end tests in order (they share one display and one tray) and prints
the closing line 'N passed, N failed'.

    run.py [--only test_a,test_b | --skip test_a,test_b]

runs only, or all but, the named modules, so that two Wine sessions can share the suite."""

import collections
import sys
import time
import unittest
from pathlib import Path


class TimedResult(unittest.TextTestResult):
    """Keeps each test's wall time, so a slow run says where its minutes went."""

    def __init__(self, *args, **kwargs):
        super().__init__(*args, **kwargs)
        self.times = []

    def startTest(self, test):
        self._started = time.monotonic()
        super().startTest(test)

    def stopTest(self, test):
        super().stopTest(test)
        self.times.append((time.monotonic() - self._started, test.id()))


def chosen_modules(here, argv):
    modules = sorted(path.stem for path in here.glob("test_*.py"))
    if len(argv) != 2 or argv[0] not in ("--only", "--skip"):
        if argv:
            raise SystemExit("usage: run.py [--only MODULES | --skip MODULES] (comma-separated)")
        return modules
    named = set(argv[1].split(","))
    unknown = named - set(modules)
    if unknown:
        raise SystemExit(f"run.py: no such test module: {', '.join(sorted(unknown))}")
    return [m for m in modules if (m in named) == (argv[0] == "--only")]


def main():
    here = Path(__file__).resolve().parent
    sys.path.insert(0, str(here))
    suite = unittest.defaultTestLoader.loadTestsFromNames(chosen_modules(here, sys.argv[1:]))
    result = unittest.TextTestRunner(verbosity=2, resultclass=TimedResult).run(suite)
    for seconds, name in sorted(result.times, reverse=True)[:8]:
        print(f"e2e: {seconds:6.1f} s  {name}")
    modules = collections.Counter()
    for seconds, name in result.times:
        modules[name.split(".")[0]] += seconds
    print("e2e: by module: " + ", ".join(f"{m} {s:.0f} s" for m, s in sorted(modules.items())))
    failed = len(result.failures) + len(result.errors)
    passed = result.testsRun - failed - len(result.skipped)
    line = f"{passed} passed, {failed} failed"
    if result.skipped:
        line += f", {len(result.skipped)} skipped"
    print("e2e: " + line)
    return 0 if failed == 0 and result.testsRun > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
