"""The language chosen from the tray menu: the page rebuilt in it at once, the choice kept in
str.ini, and the tray's word that an Apply reached the mouse, in the language shown."""

import unittest

from harness import App, DIST_SIM, balloon_texts, click_menu_item, probe, read_ini, tray_click, wait_until, xdotool
from page import click, show_page, unmatched_shot
from test_page import APPLY, ini, park_pointer, transfers

CHOSEN = "鼠标已接受您的设置。"


class LanguageMenu(unittest.TestCase):
    def test_chinese_from_the_tray_rebuilds_the_page_is_kept_and_confirms_apply_in_chinese(self):
        with App(DIST_SIM, ini=ini("EN")) as app:
            show_page()
            tray_click(3)
            self.assertTrue(wait_until(lambda: probe("menu-shows", "简体中文")[0] == 0, 10))
            click_menu_item(1)
            park_pointer()
            # The same page a start in Simplified Chinese shows: texts, key names, fonts.
            shot = unmatched_shot("page-Carbon-CHS", timeout=10)
            self.assertIsNone(shot, shot)
            self.assertIn("Lan=CHS", read_ini(app.path("str.ini")).split("[Setting-", 1)[0])

            before = len(transfers(app))
            click(*APPLY)
            self.assertTrue(wait_until(lambda: CHOSEN in balloon_texts(), 20), balloon_texts())
            self.assertGreater(len(transfers(app)), before)  # the balloon follows a real write
            xdotool("key", "Escape")


if __name__ == "__main__":
    unittest.main()
