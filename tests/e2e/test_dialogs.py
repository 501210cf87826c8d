"""The key sub-dialogs as a person uses them: a key list's Multimedia, HotKey and Windows
entries open their skinned dialogs, whose choice reaches the mouse at Apply and shows in
the key's box; the single key dialog takes a real key press, Enter and the Windows key included; the DPI sub-list follows the pointer; each dialog, and its list open, looks as
reviewed in both skins and in Chinese; a skin without a dialog's background reports it and changes nothing."""

import unittest

import test_page
from harness import DIST_SIM, App, probe, probe_ok, read_ini, wait_until, xdotool
from page import click, move, show_page, unmatched_shot, wait_drawn
from test_lists import BLOCKS, EMPTY, MODE_A_KEY_TABLE, lists, open_list
from test_page import ini

KEY_BOXES = {2: (357, 232), 3: (357, 255)}
MODE_B_BUTTON = (409, 528)
MODE_B_KEY_TABLE = 160
DPI_SUB_LIST = 40
ENTRY = {"DPI Switch": 5, "Windows": 6, "Multimedia": 7, "HotKey": 8, "FireKey": 9, "SingleKey": 10,
         "SnipeKey": 11}
# The sub-dialogs' frame, in their client pixels.
SELECTOR_ARROW, SNIPE_SELECTOR_ARROW, SKINS_SELECTOR_ARROW = (204, 88), (204, 88), (144, 136)
OK, CLOSE = (218, 263), (361, 15)
DIALOGS = {  # entry: (display id, list id, selector arrow)
    "Windows": (532, 533, SELECTOR_ARROW),
    "Multimedia": (552, 553, SELECTOR_ARROW),
    "HotKey": (565, 566, SELECTOR_ARROW),
    "SnipeKey": (563, 564, SNIPE_SELECTOR_ARROW),
}
FIRE_SELECTOR_ARROW, FIRE_LIST = (158, 77), 573
FIRE_FIELDS = {"times": (123, 103), "make": (123, 128), "break": (123, 153)}
SINGLE_DISPLAY = 502
SINGLE_EMPTY_SPOT = (120, 200)  # on the background: a press here only gives the dialog the keyboard
DPI_SELECTOR = 193  # block-set byte: which DPI table the mouse uses
SNIPE_CODE = 215


def key_list(key):
    return 40 + key


def slot(table, key):
    """The two bytes of a key in the memory file: (code, type)."""
    offset = BLOCKS + table + 2 * (key - 1)
    return slice(offset, offset + 2)


def dialog_shown():
    rc, out = probe("--dialog", "main")
    return rc == 0 and out.startswith("visible")


def open_dialog(key, entry):
    """Opens the key's list and picks an entry that runs a sub-dialog; waits until it is drawn."""
    open_list(KEY_BOXES[key], key_list(key))
    x, y = map(int, probe_ok("list-item", key_list(key), ENTRY[entry]).split())
    click(x, y)
    if not wait_until(dialog_shown, 10):
        raise AssertionError(f"choosing {entry} opened no dialog")
    wait_drawn(dialog=True)


def open_dialog_list(arrow=SELECTOR_ARROW):
    """Opens the open dialog's list with its selector; answers the probe's lines of it."""
    click(*arrow, dialog=True)
    shown = wait_until(lambda: probe("--dialog", "lists")[1].strip(), 5)
    if not shown:
        raise AssertionError("the selector did not open the dialog's list")
    return shown


def point_at_entry(list_id, index):
    """Rests the pointer on an entry of the open dialog's list, which highlights it."""
    x, y = map(int, probe_ok("--dialog", "list-item", list_id, index).split())
    move(x, y, dialog=True)


def pick_in_dialog(entry, index):
    display, list_id, arrow = DIALOGS[entry]
    open_dialog_list(arrow)
    x, y = map(int, probe_ok("--dialog", "list-item", list_id, index).split())
    click(x, y, dialog=True)
    if not wait_until(lambda: not probe("--dialog", "lists")[1].strip(), 5):
        raise AssertionError("the pick left the dialog's list open")
    return probe_ok("--dialog", "text", display).strip()


def end_dialog(button=OK):
    click(*button, dialog=True)
    if not wait_until(lambda: not dialog_shown(), 5):
        raise AssertionError(f"the button at {button} did not end the dialog")
    # The key list closes once the dialog has gone; until then it covers the boxes below.
    if not wait_until(lambda: lists() == {}, 5):
        raise AssertionError(f"the key list stayed open after the dialog: {lists()}")


def key_names(app, lang="EN"):
    """The key names of str.ini's section for the language."""
    section = read_ini(app.path("str.ini")).split(f"[Setting-{lang}]", 1)[1].split("[", 1)[0]
    return dict(line.split("=", 1) for line in section.splitlines() if line.startswith("Item"))


class KeyDialogRoads(unittest.TestCase):
    def test_multimedia_vol_plus_on_key_2_reaches_the_mouse_and_its_box(self):
        app = App(DIST_SIM)
        with app:
            show_page()
            before = test_page.apply_and_wait(app)
            open_dialog(2, "Multimedia")
            self.assertEqual(probe_ok("--dialog", "text", 552).strip(), "Next", "opens on key 2's media entry")
            self.assertEqual(pick_in_dialog("Multimedia", 5), "Vol+")
            end_dialog()
            after = test_page.apply_and_wait(app)
            names = key_names(app)

        expected = bytearray(before)
        expected[slot(MODE_A_KEY_TABLE, 2)] = bytes([0x05, 0x02])
        self.assertEqual(after.hex(), bytes(expected).hex())
        self.assertEqual(names["Item2"], "Multimedia-Vol+")

    def test_a_hot_key_and_a_windows_key_in_mode_b_reach_the_mouse(self):
        app = App(DIST_SIM)
        with app:
            show_page()
            before = test_page.apply_and_wait(app)
            click(*MODE_B_BUTTON)
            open_dialog(2, "HotKey")
            self.assertEqual(pick_in_dialog("HotKey", 7), "Undo (Ctrl+Z)")
            end_dialog()
            open_dialog(3, "Windows")
            self.assertEqual(pick_in_dialog("Windows", 2), "Calculator")
            end_dialog()
            after = test_page.apply_and_wait(app)
            names = key_names(app)

        expected = bytearray(before)
        expected[slot(MODE_B_KEY_TABLE, 2)] = bytes([0x17, 0x02])  # hot-key entry 7: Ctrl+Z
        expected[slot(MODE_B_KEY_TABLE, 3)] = bytes([0x09, 0x02])  # consumer entry 7 + 2
        self.assertEqual(after.hex(), bytes(expected).hex())
        self.assertEqual((names["Item23"], names["Item33"]), ("Undo", "Calculator"))

    def test_close_after_a_pick_changes_nothing(self):
        app = App(DIST_SIM)
        with app:
            show_page()
            before = test_page.apply_and_wait(app)
            open_dialog(2, "Multimedia")
            pick_in_dialog("Multimedia", 6)
            end_dialog(CLOSE)
            after = test_page.apply_and_wait(app)
        self.assertEqual(after.hex(), before.hex())


class FireAndSnipeKeys(unittest.TestCase):
    def type_into(self, field, text):
        click(*FIRE_FIELDS[field], dialog=True)
        xdotool("key", "End", "BackSpace", "BackSpace", "BackSpace")
        xdotool("type", text)

    def test_a_fire_key_with_a_scrolled_target_and_typed_times_reaches_the_mouse(self):
        app = App(DIST_SIM)
        with app:
            show_page()
            before = test_page.apply_and_wait(app)
            open_dialog(2, "FireKey")
            click(*FIRE_SELECTOR_ARROW, dialog=True)
            self.assertTrue(wait_until(lambda: probe("--dialog", "lists")[1].count("\n") == 59, 5))
            move(120, 150, dialog=True)
            xdotool("click", "--repeat", "3", "5")  # three notches towards the user: nine lines
            x, y = map(int, probe_ok("--dialog", "list-item", FIRE_LIST, 15).split())
            self.assertLess(y, 257, "the wheel did not scroll the list")
            click(x, y, dialog=True)
            self.assertEqual(probe_ok("--dialog", "text", 572).strip(), "K")
            self.type_into("times", "5")
            self.type_into("make", "40")
            self.type_into("break", "4")  # out of range, and OK comes while it has the focus
            click(*OK, dialog=True)  # shows what it would send, and stays
            self.assertTrue(wait_until(lambda: probe_ok("--dialog", "text", 577).strip() == "5", 5))
            self.assertTrue(dialog_shown())
            end_dialog()
            after = test_page.apply_and_wait(app)
            names = key_names(app)

        expected = bytearray(before)
        expected[slot(MODE_A_KEY_TABLE, 2)] = bytes([0x0E, 0x80 + 5])  # K, five shots
        expected[BLOCKS + 206], expected[BLOCKS + 207] = 40, 5
        self.assertEqual(after.hex(), bytes(expected).hex())
        self.assertEqual(names["Item2"], "Fire Key-K")

    def test_the_snipe_value_shown_is_the_value_whose_code_is_sent(self):
        # DPI table 1 used to offer 600..3200 while sending the codes of its 500..7000 ladder.
        for selector, index, value, code in ((2, 4, "1250 DPI", 0x0A), (1, 1, "1000 DPI", 0x04)):
            with self.subTest(selector=selector):
                first = App(DIST_SIM)
                with first:  # the simulated mouse keeps its memory in a file from the first write
                    show_page()
                    memory = bytearray(test_page.apply_and_wait(first))
                memory[BLOCKS + DPI_SELECTOR] = selector
                app = App(DIST_SIM)
                app.path("simmouse.bin").write_bytes(bytes(memory))
                with app:
                    show_page()
                    before = test_page.apply_and_wait(app)
                    open_dialog(2, "SnipeKey")
                    self.assertEqual(pick_in_dialog("SnipeKey", index), value)
                    end_dialog()
                    after = test_page.apply_and_wait(app)
                expected = bytearray(before)
                expected[slot(MODE_A_KEY_TABLE, 2)] = bytes([0x0A, 0x03])
                expected[BLOCKS + SNIPE_CODE] = code
                self.assertEqual(after.hex(), bytes(expected).hex())


def capture_key(key):
    """Presses a key (an xdotool key name, or a number for a keycode) in the open single key
    dialog and answers the name it shows once the display has changed."""
    click(*SINGLE_EMPTY_SPOT, dialog=True)
    before = probe_ok("--dialog", "text", SINGLE_DISPLAY)
    xdotool("key", key)
    shown = wait_until(lambda: probe_ok("--dialog", "text", SINGLE_DISPLAY) != before
                       and probe_ok("--dialog", "text", SINGLE_DISPLAY).strip(), 5)
    if not shown:
        raise AssertionError(f"pressing {key} showed no name in the single key dialog")
    return shown


class SingleKeys(unittest.TestCase):
    def test_real_key_presses_reach_the_mouse_as_their_usages(self):
        # Names differ between Windows and Wine's X11 names: the scan code decides then.
        # No right-hand modifier: under Wine xdotool's comes after a left-hand press and release,
        # and the dialog takes the first key pressed (R-CTRL's usage: key_codes_test).
        keys = (("a", 0x04), ("1", 0x1E), ("Return", 0x28), ("F1", 0x3A), ("Left", 0x50),
                ("Super_L", 0xE3), ("94", 0x64))  # 94: the ISO key's keycode
        app = App(DIST_SIM)
        with app:
            show_page()
            before = test_page.apply_and_wait(app)
            name = ""  # key 2 starts as Right Click: no key to open on
            for key, usage in keys:
                with self.subTest(key=key):
                    open_dialog(2, "SingleKey")
                    self.assertEqual(probe_ok("--dialog", "text", SINGLE_DISPLAY).strip(), name,
                                     "opens on the key the box holds")
                    name = capture_key(key)
                    self.assertTrue(dialog_shown(), f"{key} ended the dialog")
                    end_dialog()
                    after = test_page.apply_and_wait(app)
                    self.assertEqual(key_names(app)["Item2"], f"Single Key-{name}")
                    expected = bytearray(before)
                    expected[slot(MODE_A_KEY_TABLE, 2)] = bytes([usage, 0x00])
                    self.assertEqual(after.hex(), bytes(expected).hex(), f"{key} shown as {name}")


class DpiSubList(unittest.TestCase):
    def test_the_sub_list_follows_the_pointer_and_dpi_minus_assigns_sub_function_4(self):
        app = App(DIST_SIM)
        with app:
            show_page()
            before = test_page.apply_and_wait(app)
            open_list(KEY_BOXES[2], key_list(2))
            item = lambda index: tuple(map(int, probe_ok("list-item", key_list(2), index).split()))
            move(*item(ENTRY["DPI Switch"]))
            self.assertTrue(wait_until(lambda: DPI_SUB_LIST in lists(), 5), "resting on DPI Switch opened nothing")
            self.assertEqual(lists()[DPI_SUB_LIST], ["DPI +", "DPI -", "DPI Loop"])
            move(*item(ENTRY["DPI Switch"] - 1))
            self.assertTrue(wait_until(lambda: DPI_SUB_LIST not in lists(), 5), "moving off left the sub-list open")
            move(*item(ENTRY["DPI Switch"]))
            self.assertTrue(wait_until(lambda: DPI_SUB_LIST in lists(), 5))
            x, y = map(int, probe_ok("list-item", DPI_SUB_LIST, 1).split())
            move(x, y)
            click(x, y)
            self.assertTrue(wait_until(lambda: lists() == {}, 5), "the pick left a list open")
            after = test_page.apply_and_wait(app)

        expected = bytearray(before)
        expected[slot(MODE_A_KEY_TABLE, 2)] = bytes([0x04, 0x03])
        self.assertEqual(after.hex(), bytes(expected).hex())


class DialogScreens(unittest.TestCase):
    def test_each_dialog_in_both_skins_and_in_chinese_matches_its_reviewed_screenshot(self):
        for skin, lang in (("Carbon", "EN"), ("Frost", "EN"), ("Carbon", "CHS")):
            with self.subTest(skin=skin, lang=lang), App(DIST_SIM, ini=ini(lang, skin)):
                show_page()
                for entry in (*DIALOGS, "FireKey", "SingleKey"):
                    open_dialog(2, entry)
                    if entry == "SingleKey":
                        capture_key("space")  # the display with a name in its colours
                    move(*OK, dialog=True)  # OK in its hover look
                    shot = unmatched_shot(f"dialog-{entry}-{skin}-{lang}", dialog=True)
                    self.assertIsNone(shot, f"{entry} differs from its reference: {shot}")
                    if entry in DIALOGS:  # its list open, the second entry under the pointer
                        _, list_id, arrow = DIALOGS[entry]
                        open_dialog_list(arrow)
                        point_at_entry(list_id, 1)
                        shot = unmatched_shot(f"dialog-{entry}-list-{skin}-{lang}", dialog=True)
                        self.assertIsNone(shot, f"{entry}'s list differs from its reference: {shot}")
                    end_dialog(CLOSE)
                    move(*EMPTY)

    def test_a_skin_without_the_dialog_background_reports_it_and_changes_nothing(self):
        app = App(DIST_SIM, ini=ini("EN", "Carbon"))
        app.path("Skins/Carbon/media-key.png").unlink()
        with app:
            show_page()
            before = test_page.apply_and_wait(app)
            open_list(KEY_BOXES[2], key_list(2))
            x, y = map(int, probe_ok("list-item", key_list(2), ENTRY["Multimedia"]).split())
            click(x, y)
            shown = wait_until(lambda: probe("msgbox")[1].strip(), 10)
            self.assertEqual(shown, "Media Dialog Load background image failed!!!\terror")
            probe_ok("msgbox-ok")
            self.assertTrue(wait_until(lambda: key_list(2) not in lists(), 5), "the list stayed open")
            self.assertFalse(dialog_shown())
            after = test_page.apply_and_wait(app)
        self.assertEqual(after.hex(), before.hex())


if __name__ == "__main__":
    unittest.main()
