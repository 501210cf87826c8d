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
# Wine keeps the window DCs that GetDC hands out in a cache that grows to the most ever in
# use at once, which depends on how messages interleave under load: each cached DC is a DC
# (type 01) with its region (04) and surface (05). A show that leaked would leave a
# thousand objects; this allows a few such DCs and nothing else.
CACHED_DC_TYPES = ("01", "04", "05")
CACHED_DC_SLACK = 2


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
    counts, _, by_type = probe_ok("objects").partition("\n")
    gdi, user, windows, private = map(int, counts.split())
    types = dict(entry.removeprefix("type").split(":") for entry in by_type.split())
    return {"gdi": gdi, "user": user, "windows": windows, "private": private,
            "gdi by type": {kind: int(n) for kind, n in types.items()}}


def gdi_growth_that_is_not_cached_dcs(before, after):
    """The growth per GDI type, less what Wine's DC cache may take; empty when none is left."""
    growth = {kind: after.get(kind, 0) - before.get(kind, 0) for kind in before.keys() | after.keys()}
    new_dcs = min(max(growth.get("01", 0), 0), CACHED_DC_SLACK)
    for kind in CACHED_DC_TYPES:
        growth[kind] = growth.get(kind, 0) - new_dcs
    return {kind: n for kind, n in growth.items() if n != 0}


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
        self.assertGreater(len(before["gdi by type"]), 0, "the probe could not tell the GDI objects' types")
        self.assertEqual(gdi_growth_that_is_not_cached_dcs(before["gdi by type"], after["gdi by type"]), {})
        for kind in ("user", "windows"):
            self.assertEqual(after[kind], before[kind], kind)
        self.assertLess(after["private"] - before["private"], PRIVATE_SLACK)


if __name__ == "__main__":
    unittest.main()
