"""The program's shell: single instance, tray icon, tray menu, notices."""

import unittest

from harness import (App, DIST, DIST_SIM, balloon_texts, click_menu_item, main_window_count, main_window_state,
                     probe, probe_ok, tray_click, tray_slot_is_empty, wait_until, xdotool)
from test_files import SKIN_SIZE

MISSING = "The system did not detect the gaming mouse!"


def balloon_shows(text, timeout=10):
    return wait_until(lambda: text in balloon_texts(), timeout)


class StartsInTheTray(unittest.TestCase):
    def test_starts_hidden_with_one_tray_icon_and_the_missing_mouse_notice(self):
        with App(DIST):
            self.assertTrue(main_window_state().startswith("hidden"))
            # The window is there before Wine's tray has drawn the icon it was given.
            self.assertTrue(wait_until(lambda: not tray_slot_is_empty(0), 10), "no tray icon")
            self.assertTrue(tray_slot_is_empty(1), "more than one tray icon")
            self.assertTrue(balloon_shows(MISSING), balloon_texts())

    def test_second_copy_ends_at_once_with_0_and_adds_nothing(self):
        with App(DIST) as app:
            self.assertTrue(wait_until(lambda: not tray_slot_is_empty(0), 10), "no tray icon")
            second = app.launch()
            self.assertEqual(second.wait(20), 0)
            self.assertEqual(main_window_count(), 1)
            self.assertTrue(tray_slot_is_empty(1), "the second copy added a tray icon")


class TrayClicks(unittest.TestCase):
    def test_left_click_and_double_click_without_mouse_show_notice_15_not_the_window(self):
        with App(DIST):
            # The start-up ends with its own notice; one sent before would be replaced by it.
            self.assertTrue(balloon_shows(MISSING), balloon_texts())
            for clicks in (1, 2):
                # Replace the start-up notice first, so the click's own notice is seen.
                probe_ok("notice", 8, 1)
                self.assertTrue(balloon_shows("Switch to key matrix 1"), balloon_texts())
                tray_click(1, repeat=clicks)
                self.assertTrue(balloon_shows(MISSING), balloon_texts())
                self.assertTrue(main_window_state().startswith("hidden"))

    def test_menu_exit_ends_the_program_with_0_and_removes_the_icon(self):
        with App(DIST) as app:
            tray_click(3)
            self.assertTrue(wait_until(lambda: probe("menu-shows", "Exit")[0] == 0, 10))
            self.assertEqual(probe("menu-shows", "退出")[0], 1)
            click_menu_item(-1)  # below the languages
            self.assertEqual(app.exit_code(15), 0)
            self.assertTrue(wait_until(lambda: tray_slot_is_empty(0), 10))

    def test_menu_reads_exit_in_chinese_when_lan_is_chs(self):
        with App(DIST, ini="[Skins]\nLan=CHS\n"):
            tray_click(3)
            self.assertTrue(wait_until(lambda: probe("menu-shows", "退出")[0] == 0, 10))
            self.assertEqual(probe("menu-shows", "Exit")[0], 1)
            xdotool("key", "Escape")


class Notices(unittest.TestCase):
    def test_notice_requests_show_their_text_and_ignore_values_outside_the_table(self):
        with App(DIST):
            self.assertTrue(balloon_shows(MISSING), balloon_texts())  # the start-up is over
            probe_ok("notice", 5, 8)
            self.assertTrue(balloon_shows("Switch report rate into 125HZ"), balloon_texts())
            probe_ok("notice", 5, 3)
            probe_ok("notice", 8, 4)
            probe_ok("notice", 9, 0)
            self.assertIn("Switch report rate into 125HZ", balloon_texts())
            probe_ok("notice", 9, 3)
            self.assertTrue(balloon_shows("Switch to macro key3"), balloon_texts())


class DpiNotice(unittest.TestCase):
    def test_stage_notice_appends_the_stage_dpi_from_config_bin_and_the_mouse_table(self):
        # The shipped config.bin puts stage 2 at level index 3; the simulated mouse reports
        # table 0, whose fourth value is 1000.
        with App(DIST_SIM):
            # The window takes the skin's size once the start-up has read config.bin.
            self.assertTrue(wait_until(lambda: main_window_state() == "hidden " + SKIN_SIZE, 15), main_window_state())
            probe_ok("notice", 7, 2)
            self.assertTrue(balloon_shows("Switch DPI into the second stage 1000"),
                            balloon_texts())


class ClosingHides(unittest.TestCase):
    def test_close_hides_the_shown_window_and_the_process_stays(self):
        with App(DIST_SIM) as app:
            tray_click(1)
            self.assertTrue(wait_until(lambda: main_window_state().startswith("visible"), 15),
                            main_window_state())
            probe_ok("close")
            self.assertTrue(wait_until(lambda: main_window_state().startswith("hidden"), 10))
            self.assertIsNone(app.process.poll())
            self.assertFalse(tray_slot_is_empty(0))
            tray_click(1)
            self.assertTrue(wait_until(lambda: main_window_state().startswith("visible"), 15))


if __name__ == "__main__":
    unittest.main()
