"""Settings survive the program being killed in the middle of an OK: the simulated build is
held at a point of its save (its simhold hook) and killed there by its pid; config.bin is
then always the old or the new 200 bytes, and str.ini the old or the new file."""

import unittest

from harness import App, DIST_SIM, main_window_state, read_ini, wait_until, write_ini
from page import click, show_page

OK = (614, 633)
RATE_125 = (577, 209)  # an edit, so that the saved record differs from the old one


def hold_log(app):
    path = app.path("simhold.log")
    return path.read_text().splitlines() if path.exists() else []


def files(app):
    return app.path("config.bin").read_bytes(), app.path("str.ini").read_bytes()


def rename_keys_on_disk(app):
    """Gives every key name in str.ini another value than the page holds, so that an OK
    changes all 16 and a save cut between two of them would show."""
    lines = read_ini(app.path("str.ini")).replace("\r\n", "\n").split("\n")
    section = None
    for i, line in enumerate(lines):
        if line.startswith("["):
            section = line
        elif section == "[Setting-EN]" and line.startswith("Item"):
            lines[i] = line.split("=", 1)[0] + "=Old name"
    write_ini(app.path("str.ini"), "\n".join(lines))


def edit_and_press_ok(app):
    """Shows the page, picks 125 Hz, renames the keys on disk and presses OK; answers
    config.bin and str.ini as they were before the OK and how many save points had been
    passed then."""
    show_page()
    click(*RATE_125)
    rename_keys_on_disk(app)
    before = files(app), len(hold_log(app))
    click(*OK)
    return before


class KilledDuringSave(unittest.TestCase):
    def test_config_bin_and_str_ini_are_old_or_new_at_every_point_of_an_ok(self):
        # A clean OK gives the new files and the points an OK passes.
        app = App(DIST_SIM)
        app.path("simhold.txt").write_text("0\n")  # list the points, hold at none
        with app:
            _, passed = edit_and_press_ok(app)
            self.assertTrue(wait_until(lambda: main_window_state().startswith("hidden"), 15))
            last = "profile: moved into place"
            self.assertTrue(wait_until(lambda: any(p.endswith(last) for p in hold_log(app)[passed:]), 10),
                            hold_log(app))
            points = hold_log(app)[passed:]
            new = files(app)
        self.assertEqual(len(new[0]), 200)
        self.assertEqual(len(points), 9, points)
        tried = []
        for point in points:
            number = int(point.split(" ", 1)[0])
            with self.subTest(point=point):
                app = App(DIST_SIM)
                try:
                    app.path("simhold.txt").write_text(f"{number}\n")
                    app.start()
                    (old_config, old_ini), _ = edit_and_press_ok(app)
                    self.assertNotEqual(old_config, new[0])
                    self.assertNotEqual(old_ini, new[1])
                    reached = wait_until(lambda: app.path("simhold.reached").exists(), 15)
                    self.assertTrue(reached, f"the save did not reach point {point}")
                    app.process.kill()
                    app.process.wait(15)
                    tried.append(point)
                    config, ini = files(app)
                    # assertTrue: a dump of the bytes would say less than the point's name.
                    self.assertTrue(config in (old_config, new[0]), f"config.bin torn at {point}")
                    self.assertTrue(ini in (old_ini, new[1]), f"str.ini torn at {point}")
                    self.assertIn("[Setting-EN]", read_ini(app.path("str.ini")))
                finally:
                    app.stop()
        print(f"\nkill points tried ({len(tried)}): " + "; ".join(tried))


if __name__ == "__main__":
    unittest.main()
