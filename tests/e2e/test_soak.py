"""A thousand tray shows, each after Cancel and so each with a page rebuild, leave the
program's GDI objects, USER objects, windows and private memory where they were."""

import contextlib
import unittest

from harness import DIST_SIM, EXE, App, probe_ok, run_to_files
from page import show_page

# Wine's X11 driver waits up to 2 s at every hide for a window manager that bare Xvfb does
# not have; for this run only the program's windows are unmanaged, which it reads at start.
X11_KEY = rf"HKCU\Software\Wine\AppDefaults\{EXE}\X11 Driver"
# The heap keeps some of what it once held; a leak of a page's worth per show would be
# hundreds of megabytes after a thousand.
PRIVATE_SLACK = 2 * 1024 * 1024


@contextlib.contextmanager
def unmanaged_windows():
    rc, out, err = run_to_files(["wine", "reg", "add", X11_KEY, "/v", "Managed", "/d", "N", "/f"], 60)
    if rc != 0:
        raise AssertionError(f"reg add failed ({rc}): {out} {err}")
    try:
        yield
    finally:
        run_to_files(["wine", "reg", "delete", X11_KEY, "/f"], 60)


def objects():
    gdi, user, windows, private = map(int, probe_ok("objects").split())
    return {"gdi": gdi, "user": user, "windows": windows, "private": private}


class Soak(unittest.TestCase):
    def test_a_thousand_tray_shows_after_cancel_leave_objects_and_memory_where_they_were(self):
        with unmanaged_windows(), App(DIST_SIM):
            show_page()
            probe_ok("tray-soak", 300, timeout=300)  # the system's own caches fill on the first rounds
            before = objects()
            self.assertGreater(before["gdi"], 0, "the probe could not count the program's GDI objects")
            self.assertGreater(before["private"], 0, "the probe could not measure the program's memory")
            probe_ok("tray-soak", 1000, timeout=600)
            after = objects()
        print(f"\nsoak: before {before}, after {after}")
        for kind in ("gdi", "user", "windows"):
            self.assertEqual(after[kind], before[kind], kind)
        self.assertLess(after["private"] - before["private"], PRIVATE_SLACK)


if __name__ == "__main__":
    unittest.main()
