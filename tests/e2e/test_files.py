"""The install layouts and the local files as the program meets them at start-up."""

import shutil
import unittest

from harness import (App, DIST, DIST_SIM, EXE, balloon_texts, main_window_count, main_window_state,
                     probe, probe_ok, read_ini, tray_click, wait_until, write_ini)
from page import click, show_page, unmatched_shot, wait_drawn
from test_page import APPLY, ini, park_pointer


def message_boxes():
    rc, out = probe("msgbox")
    return [tuple(line.split("\t", 1)) for line in out.splitlines()] if rc == 0 else []


class InstallLayouts(unittest.TestCase):
    def test_both_layouts_hold_the_program_its_files_and_two_skins(self):
        for dist in (DIST, DIST_SIM):
            with self.subTest(str(dist)):
                self.assertTrue((dist / EXE).is_file())
                config = (dist / "config.bin").read_bytes()
                self.assertEqual(len(config), 200)
                self.assertEqual(config[0], 0, "the shipped config.bin must be a first run")
                self.assertTrue((dist / "str.ini").read_bytes().startswith(b"\xff\xfe"))
                ini = read_ini(dist / "str.ini")
                self.assertIn("[Skins]", ini)
                path = [l.split("=", 1)[1] for l in ini.splitlines() if l.startswith("Path=")]
                self.assertEqual(len(path), 1)
                self.assertTrue((dist / "Skins" / path[0] / "main.png").is_file())
                skins = [d for d in (dist / "Skins").iterdir() if d.is_dir()]
                self.assertGreaterEqual(len(skins), 2)
                for skin in skins:  # the text colour the skins dialog preselects
                    self.assertTrue((skin / "skin.ini").is_file(), skin)
                for lang in ("EN", "CHS", "CHT"):  # the guide and the pictures it shows
                    page = (dist / "Help" / f"guide-{lang}.html").read_text(encoding="utf-8")
                    self.assertIn(f'src="images/page-{lang}.png"', page)
                    self.assertTrue((dist / "Help" / "images" / f"page-{lang}.png").is_file())


class MissingFiles(unittest.TestCase):
    def test_missing_config_bin_is_reported_at_start_and_the_program_goes_on(self):
        app = App(DIST)
        app.path("config.bin").unlink()
        with app:
            boxes = wait_until(message_boxes, 15)
            self.assertIn(("QV318_Driver", "Config file is not exist."), boxes)
            probe_ok("msgbox-ok")
            self.assertTrue(wait_until(lambda: not message_boxes(), 10))
            self.assertEqual(main_window_count(), 1)
            self.assertFalse(app.path("config.bin").exists(), "config.bin must never be created")

    def test_a_tray_click_under_the_start_up_message_shows_the_whole_page_once_it_is_answered(self):
        app = App(DIST_SIM, ini=ini("EN", "Carbon"))
        app.path("config.bin").unlink()
        with app:
            self.assertIn(("QV318_Driver", "Config file is not exist."), wait_until(message_boxes, 15) or [])
            tray_click(1)
            probe_ok("msgbox-ok")
            # The click waited for the start-up: the page is built whole, then shown.
            self.assertTrue(wait_until(lambda: main_window_state().startswith("visible"), 15),
                            main_window_state())
            wait_drawn()
            park_pointer()
            self.assertIsNone(unmatched_shot("page-Carbon-EN"))

    def test_a_renamed_executable_takes_its_files_from_its_folder(self):
        app = App(DIST)
        renamed = "QV318_Driver (1).exe"  # as a browser names a second download
        shutil.move(app.path(EXE), app.path(renamed))
        try:
            app.process = app.launch_named(renamed)
            # The window is hidden from its creation on, at the bare dialog's size until the
            # start-up has read the skin: wait for the skin's size.
            self.assertTrue(wait_until(lambda: main_window_state() == "hidden " + SKIN_SIZE, 30),
                            f"the skin was not found: {main_window_state()} {message_boxes()}")
            self.assertEqual(message_boxes(), [], "config.bin beside it was not found")
        finally:
            app.stop()


# The client area of the shipped skins' window (main.png less the edge); a skin that cannot
# be loaded leaves a bare dialog of another size.
SKIN_SIZE = "886x666"


class UnusableSkin(unittest.TestCase):
    """A skin that cannot be loaded gives the shipped one, said once; no Path (str.ini deleted,
    or damaged past reading) gives it without a word."""

    def start_with(self, prepare):
        app = App(DIST)
        prepare(app)
        app.process = app.launch()
        self.assertTrue(wait_until(lambda: main_window_count() == 1, 30), "the program did not start")
        return app

    def test_the_default_skin_takes_the_place_of_one_that_cannot_be_loaded(self):
        def damaged_frost(app):
            write_ini(app.path("str.ini"), "[Skins]\nPath=Frost\n")
            app.path("Skins/Frost/main.png").write_bytes(b"\x89PNG\r\n\x1a\n" + bytes(100))

        cases = {
            "Path=Nonexistent": (lambda app: write_ini(app.path("str.ini"), "[Skins]\nPath=Nonexistent\n"),
                                 "Nonexistent"),
            "damaged main.png": (damaged_frost, "Frost"),
            "no str.ini": (lambda app: app.path("str.ini").unlink(), None),
            "random bytes": (lambda app: app.path("str.ini").write_bytes(bytes(range(256)) * 3), None),
        }
        for name, (prepare, failed) in cases.items():
            with self.subTest(name):
                app = self.start_with(prepare)
                try:
                    if failed:
                        boxes = wait_until(message_boxes, 15)
                        self.assertEqual(len(boxes or []), 1, boxes)
                        self.assertIn(f"The skin \u201c{failed}\u201d could not be loaded", boxes[0][1])
                        probe_ok("msgbox-ok")
                        self.assertTrue(wait_until(lambda: not message_boxes(), 10), "OK left the box open")
                    self.assertTrue(wait_until(lambda: main_window_state() == "hidden " + SKIN_SIZE, 15),
                                    f"not the shipped skin: {main_window_state()} {message_boxes()}")
                    self.assertEqual(message_boxes(), [], "said more than once")
                finally:
                    app.stop()


class ErasedMouse(unittest.TestCase):
    def test_erased_memory_shows_and_sends_this_computers_stages_as_the_reader_hears_them(self):
        app = App(DIST_SIM)
        app.path("simmouse.bin").write_bytes(b"\xff" * 322)  # no DPI table, every stage off
        with app:
            show_page()
            names = [line.split(" ", 2)[2].split("\t")[0] for line in probe_ok("accessible").splitlines()]
            stages = [name for name in names if name.startswith("Stage ") and " DPI, " in name]
            self.assertEqual(stages, ["Stage 1, 500 DPI, on", "Stage 2, 1000 DPI, on",
                                      "Stage 3, 1500 DPI, on", "Stage 4, 2000 DPI, on"])
            before = app.path("simmouse.log").read_text().count(" set data ")
            click(*APPLY)
            self.assertTrue(wait_until(lambda: app.path("simmouse.log").read_text().count(" set data ")
                                       >= before + 5, 20), "Apply sent nothing")
            memory = wait_until(lambda: (lambda m: m if m[2 + 216] != 0xFF else None)(
                app.path("simmouse.bin").read_bytes()), 10)
            self.assertTrue(memory, "the memory file was not written")
            # The codes of the levels the page and the reader gave, all on, four colours.
            self.assertEqual(list(memory[2 + 216:2 + 220]), [0x02, 0x04, 0x06, 0x08])
            self.assertEqual(memory[2 + 198], 4)


class ReadOnlyConfig(unittest.TestCase):
    def test_apply_says_in_words_what_was_not_saved_and_that_the_mouse_took_it(self):
        app = App(DIST_SIM)
        app.path("config.bin").chmod(0o444)
        with app:
            show_page()
            click(*APPLY)
            self.assertTrue(wait_until(message_boxes, 20), "nothing was said")
            self.assertEqual(probe("msgbox")[1].replace("\r\n", "\n"),
                             "QV318_Driver\tThe mouse has taken your settings, but they could not be saved "
                             "beside the program:\nconfig.bin: Access denied.\n")
            self.assertIn(" set data ", app.path("simmouse.log").read_text())
            probe_ok("msgbox-ok")


class Language(unittest.TestCase):
    def test_the_start_up_notice_speaks_the_language_of_str_ini(self):
        with App(DIST, ini="[Skins]\nLan=CHT\nPath=Carbon\n"):
            self.assertTrue(wait_until(lambda: "系統沒有檢測到遊戲滑鼠！" in balloon_texts(), 10),
                            balloon_texts())


if __name__ == "__main__":
    unittest.main()
