"""The install layouts and the local files as the program meets them at start-up."""

import hashlib
import shutil
import unittest

from harness import (App, DIST, DIST_SIM, EXE, balloon_texts, main_window_count, probe,
                     probe_ok, read_ini, wait_until)


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

    def test_an_executable_of_another_name_never_reads_or_writes_itself(self):
        app = App(DIST)
        renamed = app.path("Other.exe")
        shutil.move(app.path(EXE), renamed)
        before = hashlib.sha256(renamed.read_bytes()).hexdigest()
        try:
            process = app.launch_named("Other.exe")
            boxes = wait_until(message_boxes, 20)
            self.assertIn(("Other", "Config file is not exist."), boxes)
            probe_ok("msgbox-ok")
            self.assertTrue(wait_until(lambda: main_window_count() == 1, 10))
            probe_ok("exit")
            process.wait(15)
            self.assertEqual(hashlib.sha256(renamed.read_bytes()).hexdigest(), before)
        finally:
            app.stop()  # waits for Other.exe; one that did not end fails the test


class Language(unittest.TestCase):
    def test_the_start_up_notice_speaks_the_language_of_str_ini(self):
        with App(DIST, ini="[Skins]\nLan=CHT\nPath=Carbon\n"):
            self.assertTrue(wait_until(lambda: "系統沒有檢測到遊戲滑鼠！" in balloon_texts(), 10),
                            balloon_texts())


if __name__ == "__main__":
    unittest.main()
