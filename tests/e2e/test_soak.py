"""A thousand tray shows, each after Cancel and so each with a page rebuild, leave the
program's GDI objects, USER objects, windows and private memory where they were."""

import unittest

from harness import DIST_SIM, App, main_window_state, probe_ok, wait_until
from page import show_page

# The heap keeps some of what it once held; a leak of a page's worth per show would be
# hundreds of megabytes after a thousand.
PRIVATE_SLACK = 2 * 1024 * 1024
# Wine keeps the window DCs that GetDC hands out in a cache that grows to the most ever in
# use at once, which depends on how messages interleave under load: each cached DC is a DC
# (type 01) with its region (04) and surface (05). A show that leaked would leave a
# thousand objects; this allows a few such DCs and nothing else.
CACHED_DC_TYPES = ("01", "04", "05")
CACHED_DC_SLACK = 2


def objects():
    counts, _, by_type = probe_ok("objects").partition("\n")
    gdi, user, windows, private = map(int, counts.split())
    types = dict(entry.removeprefix("type").split(":") for entry in by_type.split())
    return {"gdi": gdi, "user": user, "windows": windows, "private": private,
            "gdi by type": {kind: int(n) for kind, n in types.items()}}


def given_back():
    """Hidden for 3 s, the window gives back what its show took (and takes every cached DC once,
    which fills Wine's DC cache): both counts are taken then, not at a moment that a slow probe
    start could put on either side of it."""
    return wait_until(lambda: main_window_state() == "hidden 0x0", 10)


def gdi_growth_that_is_not_cached_dcs(before, after):
    """The growth per GDI type, less what Wine's DC cache may take; empty when none is left."""
    growth = {kind: after.get(kind, 0) - before.get(kind, 0) for kind in before.keys() | after.keys()}
    new_dcs = min(max(growth.get("01", 0), 0), CACHED_DC_SLACK)
    for kind in CACHED_DC_TYPES:
        growth[kind] = growth.get(kind, 0) - new_dcs
    return {kind: n for kind, n in growth.items() if n != 0}


class Soak(unittest.TestCase):
    def test_a_thousand_tray_shows_after_cancel_leave_objects_and_memory_where_they_were(self):
        with App(DIST_SIM):  # its windows unmanaged, as the test session makes them
            show_page()
            probe_ok("tray-soak", 300, timeout=300)  # the system's own caches fill on the first rounds
            self.assertTrue(given_back(), main_window_state())
            before = objects()
            self.assertGreater(before["gdi"], 0, "the probe could not count the program's GDI objects")
            self.assertGreater(before["private"], 0, "the probe could not measure the program's memory")
            probe_ok("tray-soak", 1000, timeout=600)
            self.assertTrue(given_back(), main_window_state())
            after = objects()
        print(f"\nsoak: before {before}, after {after}")
        self.assertGreater(len(before["gdi by type"]), 0, "the probe could not tell the GDI objects' types")
        self.assertEqual(gdi_growth_that_is_not_cached_dcs(before["gdi by type"], after["gdi by type"]), {})
        for kind in ("user", "windows"):
            self.assertEqual(after[kind], before[kind], kind)
        self.assertLess(after["private"] - before["private"], PRIVATE_SLACK)


if __name__ == "__main__":
    unittest.main()
