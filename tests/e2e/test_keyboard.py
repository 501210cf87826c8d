"""The program without a pointer: real key presses alone set the report rate on the page and
a multimedia key through its sub-dialog, and Apply sends both to the mouse; the focused page
looks as reviewed; a screen reader in another process reads the page's controls by name."""

import time
import unittest

from harness import DIST_SIM, App, probe_ok, wait_until, xdotool
from page import grab, matches_reference, move, show_page
from test_dialogs import dialog_shown, slot
from test_page import EMPTY, transfers

# Positions in the page's reading order (Tab from nothing reaches the first).
KEY_2, RATE_125, RATE_1000, APPLY = 4, 10, 13, 31
MODE_A_KEY_TABLE = 128
MULTIMEDIA, VOL_PLUS = 7, 5  # key list entry; media list entry
ROLE_PUSHBUTTON, ROLE_RADIOBUTTON, ROLE_BUTTONDROPDOWN = 0x2B, 0x2D, 0x38
STATE_SELECTED, STATE_FOCUSED = 0x2, 0x4


def rest_pointer():
    """Rests the pointer on the page's background, never clicking: with no window manager, X
    gives the keys to the window under the pointer, as a desktop gives them to the window shown."""
    move(*EMPTY)


def keys(*names):
    xdotool("key", "--delay", "60", *names)


def tab_to(position, start=None):
    """Tabs from the focus at `start` (None: no focus yet) to `position` in reading order."""
    keys(*["Tab"] * (position - (start if start is not None else -1)))


def reader_lines():
    """(role, state, name) of each control, as the probe's screen reader reads the page."""
    lines = probe_ok("accessible").splitlines()
    return [(int(role), int(state, 16), name) for role, state, name in (line.split(" ", 2) for line in lines)]


class KeyboardOnly(unittest.TestCase):
    def test_the_rate_and_a_multimedia_key_set_by_keys_alone_reach_the_mouse_at_apply(self):
        app = App(DIST_SIM)
        with app:
            show_page()
            rest_pointer()
            tab_to(RATE_1000)
            keys("Left", "Left", "Left")       # 125 Hz, the focus with it
            keys(*["shift+Tab"] * (RATE_125 - KEY_2))
            keys("space", "End", *["Up"] * (13 - MULTIMEDIA), "Return")
            self.assertTrue(wait_until(dialog_shown, 10), "Enter on Multimedia opened no dialog")
            keys("Tab", "space", *["Down"] * VOL_PLUS, "Return")  # the selector's list: Vol+
            self.assertEqual(probe_ok("--dialog", "text", 552).strip(), "Vol+")
            keys("Return")                      # OK
            self.assertTrue(wait_until(lambda: not dialog_shown(), 5), "Enter did not end the dialog")
            before = len(transfers(app))
            tab_to(APPLY, KEY_2)
            keys("space")
            self.assertTrue(wait_until(lambda: len(transfers(app)) >= before + 20, 20), "Apply sent nothing")
            time.sleep(0.3)  # the memory file is written right after the last block
            memory = app.path("simmouse.bin").read_bytes()
        self.assertEqual(memory[0], 8, "125 Hz")
        self.assertEqual(memory[slot(MODE_A_KEY_TABLE, 2)], bytes([VOL_PLUS, 0x02]), "key 2 on Vol+")

    def test_a_reader_reads_the_page_and_follows_the_focus_drawn_as_reviewed(self):
        with App(DIST_SIM):
            show_page()
            rest_pointer()
            lines = reader_lines()
            self.assertEqual(len(lines), 33, lines)
            self.assertEqual(lines[0], (ROLE_PUSHBUTTON, 0x100000, "Skins"))  # focusable, not focused
            self.assertEqual(lines[KEY_2][0], ROLE_BUTTONDROPDOWN)
            self.assertTrue(lines[KEY_2][2].startswith("Key 2: "), lines[KEY_2])
            self.assertEqual(lines[RATE_1000], (ROLE_RADIOBUTTON, 0x100000 | STATE_SELECTED,
                                                "Report rate 1000 Hz, selected"))
            self.assertEqual(lines[APPLY][2], "Apply")
            tab_to(KEY_2)
            self.assertTrue(reader_lines()[KEY_2][1] & STATE_FOCUSED, "the reader does not see the focus")
            shot = grab("page-focus-Carbon-EN")
            self.assertTrue(matches_reference(shot, "page-focus-Carbon-EN"), shot)


if __name__ == "__main__":
    unittest.main()
