"""Runs the end-to-end tests in order (they share one display and one tray) and prints
the closing line 'N passed, N failed'."""

import sys
import time
import unittest
from pathlib import Path


class TimedResult(unittest.TextTestResult):
    """Keeps each test's wall time, so a slow run says where its minutes went."""

    def startTest(self, test):
        self._started = time.monotonic()
        super().startTest(test)

    def stopTest(self, test):
        super().stopTest(test)
        self.times = getattr(self, "times", [])
        self.times.append((time.monotonic() - self._started, test.id()))


def main():
    here = Path(__file__).resolve().parent
    suite = unittest.defaultTestLoader.discover(str(here), pattern="test_*.py",
                                                top_level_dir=str(here))
    result = unittest.TextTestRunner(verbosity=2, resultclass=TimedResult).run(suite)
    for seconds, name in sorted(getattr(result, "times", []), reverse=True)[:8]:
        print(f"e2e: {seconds:6.1f} s  {name}")
    failed = len(result.failures) + len(result.errors)
    passed = result.testsRun - failed - len(result.skipped)
    line = f"{passed} passed, {failed} failed"
    if result.skipped:
        line += f", {len(result.skipped)} skipped"
    print("e2e: " + line)
    return 0 if failed == 0 and result.testsRun > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
