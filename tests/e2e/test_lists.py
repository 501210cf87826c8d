"""The page's drop-down lists as a person uses them: a key list's choice shows in its box
and reaches the mouse at Apply, the only left-button key refuses its list, and the
lighting lists' choices reach the mouse at Apply; the speed list, longer than it is high,
looks as reviewed with its scroll bar, the speed in force and the entry under the pointer."""

import unittest

import test_page
from harness import DIST_SIM, App, main_window_state, probe, probe_ok, wait_until, xdotool
from page import click, differing_pixels, grab, matches_reference, move, show_page

KEY_BOX_1, KEY_BOX_3 = (357, 209), (357, 255)
KEY_3_NAME = (272, 245, 463, 266)  # the name part of key box 3
LED_MODE_BOX, LED_PARAMETER_BOX, LED_EFFECT_BOX = (809, 337), (809, 367), (809, 397)
EMPTY = (150, 420)  # background with no element and no hover look
BLOCKS = 2  # the memory file: two status bytes, then the block set
MODE_A_KEY_TABLE = 128
KEY_LIST_3, LED_MODE_LIST, LED_PARAMETER_LIST, LED_EFFECT_LIST = 43, 60, 61, 62
SPEED_LIST_AREA = (746, 367, 861, 587)  # the Neon speed list and a margin of page around it


def lists():
    """{control id: [items]} of the list boxes shown on the page."""
    shown = {}
    for line in probe_ok("lists").splitlines():
        list_id, item = line.split("\t", 1)
        shown.setdefault(int(list_id), []).append(item)
    return shown


def open_list(box, list_id):
    click(*box)
    if not wait_until(lambda: list_id in lists(), 5):
        raise AssertionError(f"list {list_id} did not open: {lists()}")
    return lists()[list_id]


def choose(list_id, index):
    x, y = map(int, probe_ok("list-item", list_id, index).split())
    click(x, y)
    if not wait_until(lambda: list_id not in lists(), 5):
        raise AssertionError(f"choosing entry {index} left list {list_id} open")


class KeyLists(unittest.TestCase):
    def test_right_click_for_key_3_shows_in_its_box_and_reaches_its_slot_at_apply(self):
        app = App(DIST_SIM)
        with app:
            show_page()
            before = test_page.apply_and_wait(app)
            slot = BLOCKS + MODE_A_KEY_TABLE + 2 * 2  # Mode A key 3 lives in slot 2
            self.assertEqual(before[slot:slot + 2], bytes([0xF2, 0x00]), "the fixture's key 3 is Mid Click")
            move(*EMPTY)
            name = grab("key3-name-before", KEY_3_NAME)
            entries = open_list(KEY_BOX_3, KEY_LIST_3)
            self.assertEqual(len(entries), 14)
            self.assertEqual(entries[1], "Right Click")
            choose(KEY_LIST_3, 1)
            move(*EMPTY)
            self.assertTrue(wait_until(lambda: differing_pixels(grab("key3-name-after", KEY_3_NAME), name) > 20, 5),
                            "the box still shows the old name")
            after = test_page.apply_and_wait(app)

        expected = bytearray(before)
        expected[slot:slot + 2] = bytes([0xF1, 0x00])  # right button, type 0
        self.assertEqual(after.hex(), bytes(expected).hex())

    def test_escape_closes_a_list_the_pointer_opened_then_hides_the_window(self):
        with App(DIST_SIM):
            show_page()
            open_list(KEY_BOX_3, KEY_LIST_3)
            xdotool("key", "Escape")
            self.assertTrue(wait_until(lambda: lists() == {}, 10), "Esc left the list open")
            self.assertTrue(main_window_state().startswith("visible"), "Esc hid the window with a list open")
            xdotool("key", "Escape")
            self.assertTrue(wait_until(lambda: main_window_state().startswith("hidden"), 10))

    def test_the_only_left_click_key_refuses_its_list_with_a_warning(self):
        with App(DIST_SIM):
            show_page()
            click(*KEY_BOX_1)
            shown = wait_until(lambda: probe("msgbox")[1].strip(), 10)
            self.assertEqual(shown, "Warning\tLeft key must be selected!")
            self.assertEqual(lists(), {})
            probe_ok("msgbox-ok")
            self.assertTrue(wait_until(lambda: probe("msgbox")[0] == 1, 5), "the warning stayed")
            self.assertEqual(lists(), {})


class LedLists(unittest.TestCase):
    def test_neon_its_fifth_speed_and_rgb_flash_reach_the_mouse_at_apply(self):
        app = App(DIST_SIM, ini=test_page.ini("EN", "Carbon"))
        with app:
            show_page()
            before = test_page.apply_and_wait(app)
            self.assertNotEqual(before[BLOCKS + 202], 2, "the fixture's lighting is already Neon")
            self.assertEqual(open_list(LED_MODE_BOX, LED_MODE_LIST), ["Off", "Standard", "Neon"])
            choose(LED_MODE_LIST, 2)
            speeds = open_list(LED_PARAMETER_BOX, LED_PARAMETER_LIST)
            self.assertEqual((len(speeds), speeds[0], speeds[4], speeds[29]), (30, "0.5S", "2.5S", "15S"))
            move(*map(int, probe_ok("list-item", LED_PARAMETER_LIST, 6).split()))
            shots = []

            def matching():
                shots.append(grab("speed-list", SPEED_LIST_AREA))
                return matches_reference(shots[-1], "page-list-speed-Carbon-EN")
            self.assertTrue(wait_until(matching, 5), f"the speed list differs from its reference: {shots[-1]}")
            choose(LED_PARAMETER_LIST, 4)
            self.assertEqual(open_list(LED_EFFECT_BOX, LED_EFFECT_LIST), ["RGB Effect", "RGB Flash"])
            choose(LED_EFFECT_LIST, 1)
            after = test_page.apply_and_wait(app)

        expected = bytearray(before)
        expected[BLOCKS + 202] = 2    # mode Neon
        expected[BLOCKS + 203] = 4    # period 2.5 s
        expected[BLOCKS + 199] = 2    # effect RGB Flash
        expected[BLOCKS + 200] = 250  # with its two fixed values
        expected[BLOCKS + 201] = 2
        self.assertEqual(after.hex(), bytes(expected).hex())


if __name__ == "__main__":
    unittest.main()
