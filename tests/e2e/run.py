"""Runs the end-to-end tests in order (they share one display and one tray) and prints
the closing line 'N passed, N failed'."""

import sys
import unittest
from pathlib import Path


def main():
    here = Path(__file__).resolve().parent
    suite = unittest.defaultTestLoader.discover(str(here), pattern="test_*.py",
                                                top_level_dir=str(here))
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    failed = len(result.failures) + len(result.errors)
    passed = result.testsRun - failed - len(result.skipped)
    line = f"{passed} passed, {failed} failed"
    if result.skipped:
        line += f", {len(result.skipped)} skipped"
    print("e2e: " + line)
    return 0 if failed == 0 and result.testsRun > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
