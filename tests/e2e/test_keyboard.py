"""The program without a pointer: real key presses alone set the report rate on the page and
a multimedia key through its sub-dialog, and Apply sends both to the mouse; a single key,
Tab itself, is assigned and confirmed by keys alone; the close button asks before edits are
lost; the focused page looks as reviewed; a screen reader in another process reads the page's
and the dialogs' controls by name and value, is told of every change, and cannot act on the
page under an open dialog."""

import subprocess
import tempfile
import unittest
from pathlib import Path

from harness import DIST_SIM, PROBE, App, probe, probe_ok, wait_until, xdotool
from page import click, grab, matches_reference, move, show_page
from test_dialogs import dialog_shown, slot
from test_page import EMPTY, transfers

# Positions in the page's reading order (Tab from nothing reaches the first).
CLOSE, KEY_2, RATE_125, RATE_500, RATE_1000, STAGE_1, APPLY = 2, 4, 10, 12, 13, 14, 31
STAGE_2_SWITCH = (589, 549)  # on the page, in its client pixels
MODE_A_KEY_TABLE = 128
MULTIMEDIA, SINGLE_KEY, VOL_PLUS = 7, 10, 5  # key list entries; media list entry
ROLE_PUSHBUTTON, ROLE_RADIOBUTTON, ROLE_BUTTONDROPDOWN, ROLE_HOTKEYFIELD = 0x2B, 0x2D, 0x38, 0x32
STATE_UNAVAILABLE, STATE_SELECTED, STATE_FOCUSED = 0x1, 0x2, 0x4


def rest_pointer():
    """Rests the pointer on the page's background, never clicking: with no window manager, X
    gives the keys to the window under the pointer, as a desktop gives them to the window shown."""
    move(*EMPTY)


def keys(*names):
    xdotool("key", "--delay", "60", *names)


def tab_to(position, start=None):
    """Tabs from the focus at `start` (None: no focus yet) to `position` in reading order."""
    keys(*["Tab"] * (position - (start if start is not None else -1)))


def parse(line):
    """(role, state, name, value) of one line the probe's screen reader prints."""
    role, state, rest = line.split(" ", 2)
    name, value = rest.split("\t", 1)
    return int(role), int(state, 16), name, value.rstrip("\r")


def reader_lines(*where):
    """(role, state, name) of each control, as the probe's screen reader reads the page (or
    with "--dialog" the open dialog)."""
    return [parse(line)[:3] for line in probe_ok(*where, "accessible").splitlines()]


def reader_name(*where):
    """The window's own name, as a reader reads it."""
    return parse(probe_ok(*where, "accessible-name").rstrip("\r\n"))[2]


def reader_values(*where):
    return [parse(line)[3] for line in probe_ok(*where, "accessible").splitlines()]


class ReaderEvents:
    """What the program tells a reader while the block runs: the probe records its events
    until one holds `until` (bounded), e.g. "value 15 " for a value change of child 15."""

    def __init__(self, until, seconds=20):
        self.until, self.seconds = until, seconds
        self.path = Path(tempfile.mkdtemp()) / "events.txt"

    def __enter__(self):
        self.process = subprocess.Popen(["wine", str(PROBE), "events", str(self.path), self.until, str(self.seconds)],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if not wait_until(lambda: self.path.exists() and "listening" in self.path.read_text(), 15):
            self.process.kill()
            raise AssertionError("the probe did not start listening")
        # Wine tells a thread of a new hook in its next answer to a sent message; before that
        # its events reach nobody.
        probe_ok("send", 0, 0, 0)
        return self

    def __exit__(self, *exc):
        self.process.wait(self.seconds + 15)
        self.lines = self.path.read_text().splitlines()[1:]

    def kinds_of(self, child):
        return {line.split(" ")[0] for line in self.lines if line.split(" ")[1] == str(child)}


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
            # The mouse saves its memory before it logs the transfer: the file is final by then.
            self.assertTrue(wait_until(lambda: len(transfers(app)) >= before + 20, 20), "Apply sent nothing")
            memory = app.path("simmouse.bin").read_bytes()
        self.assertEqual(memory[0], 8, "125 Hz")
        self.assertEqual(memory[slot(MODE_A_KEY_TABLE, 2)], bytes([VOL_PLUS, 0x02]), "key 2 on Vol+")

    def test_a_reader_reads_the_page_and_follows_the_focus_drawn_as_reviewed(self):
        with App(DIST_SIM):
            show_page()
            rest_pointer()
            self.assertEqual(reader_name(), "Mouse settings")
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

    def test_a_single_key_is_taken_and_confirmed_by_keys_alone_and_read_while_the_page_is_out_of_reach(self):
        app = App(DIST_SIM)
        with app:
            show_page()
            rest_pointer()
            tab_to(KEY_2)
            keys("space", "Home", *["Down"] * SINGLE_KEY, "Return")
            self.assertTrue(wait_until(dialog_shown, 10), "Enter on Single Key opened no dialog")
            self.assertEqual(reader_name("--dialog"), "Single keyboard key")
            field = parse(probe_ok("--dialog", "accessible").splitlines()[0])
            self.assertEqual(field[0::2], (ROLE_HOTKEYFIELD, "Please enter a key"))
            # Under the dialog the page reads as out of reach and refuses a reader's action.
            page = reader_lines()
            self.assertTrue(all(state & STATE_UNAVAILABLE for _, state, _ in page), page)
            self.assertEqual(probe("do-default", 1)[0], 2, "Skins pressed under the dialog")
            keys("Tab")  # taken as the key; the focus goes to OK
            self.assertTrue(wait_until(lambda: reader_values("--dialog")[0] == "Tab", 5), reader_values("--dialog"))
            self.assertTrue(reader_lines("--dialog")[1][1] & STATE_FOCUSED, "OK does not have the focus")
            keys("Return")
            self.assertTrue(wait_until(lambda: not dialog_shown(), 5), "Enter did not confirm the key")
            self.assertTrue(wait_until(lambda: reader_lines()[KEY_2][2] == "Key 2: Single Key-Tab", 5),
                            reader_lines()[KEY_2])

    def test_a_reader_is_told_of_changes_from_keys_and_the_pointer(self):
        with App(DIST_SIM):
            show_page()
            rest_pointer()
            tab_to(STAGE_1)
            with ReaderEvents(f"value {STAGE_1 + 1} ") as told:
                keys("Up")
            self.assertLessEqual({"name", "value"}, told.kinds_of(STAGE_1 + 1), told.lines)
            with ReaderEvents(f"state {STAGE_1 + 6} ") as told:  # stage 2's on/off box
                click(*STAGE_2_SWITCH)
            self.assertIn("state", told.kinds_of(STAGE_1 + 6), told.lines)
            self.assertIn("state", told.kinds_of(STAGE_1 + 4), "stage 2's column: " + str(told.lines))


    def test_the_close_button_asks_before_unapplied_edits_are_lost(self):
        app = App(DIST_SIM)
        with app:
            show_page()
            rest_pointer()
            tab_to(RATE_1000)
            keys("Left")  # 500 Hz, not applied
            keys(*["shift+Tab"] * (RATE_500 - CLOSE), "space")
            asked = wait_until(lambda: probe("msgbox")[1].strip(), 10)
            self.assertIn("not been applied", asked or "")
            keys("Escape")  # Cancel: the program stays
            self.assertTrue(wait_until(lambda: probe("msgbox")[0] != 0, 5), "the question stayed")
            self.assertIsNone(app.process.poll(), "Cancel ended the program")
            keys("space")
            self.assertTrue(wait_until(lambda: probe("msgbox")[0] == 0, 10), "asked only once")
            keys("Return")  # Apply, the default: sent, then the end
            self.assertEqual(app.exit_code(30), 0)
            memory = app.path("simmouse.bin").read_bytes()
        self.assertEqual(memory[0], 2, "500 Hz applied before the end")


if __name__ == "__main__":
    unittest.main()
