"""The skins dialog as a person uses it: the skins button opens it, a skin picked in its
list (which brings the text colour the skin is drawn for) and a text colour picked in the
standard colour dialog change the page and str.ini once OK is pressed, and the change
survives a restart; the dialog, and its list open, looks as reviewed in both skins and in
Chinese."""

import unittest

from harness import DIST_SIM, App, probe, probe_ok, read_ini, wait_until, xdotool
from page import click, differing_pixels, grab, move, show_page, unmatched_shot, wait_drawn, TOLERANCE, pixel_count
from test_dialogs import CLOSE, OK, SKINS_SELECTOR_ARROW, dialog_shown, open_dialog_list, point_at_entry
from test_page import EMPTY, ini, park_pointer

SKINS_BUTTON = (710, 14)
SKIN_NAME, SKIN_LIST = 560, 562
SWATCH = (96, 102)
# The first basic colour of the standard colour dialog, in its client pixels, and its value.
FIRST_BASIC_COLOUR, FIRST_BASIC_RGB = (16, 32), (255, 128, 128)


def open_skins_dialog():
    click(*SKINS_BUTTON)
    if not wait_until(dialog_shown, 10):
        raise AssertionError("the skins button opened no dialog")
    wait_drawn(dialog=True)


def pick_skin(name):
    shown = open_dialog_list(SKINS_SELECTOR_ARROW)
    names = [line.split("\t", 1)[1] for line in shown.splitlines()]
    x, y = map(int, probe_ok("--dialog", "list-item", SKIN_LIST, names.index(name)).split())
    click(x, y, dialog=True)
    if not wait_until(lambda: not probe("--dialog", "lists")[1].strip(), 5):
        raise AssertionError("the pick left the list of skins open")
    return sorted(names), probe_ok("--dialog", "text", SKIN_NAME).strip()


def pick_first_basic_colour():
    """Opens the colour dialog from the swatch, clicks its first basic colour, then OK."""
    click(*SWATCH, dialog=True)
    found = wait_until(lambda: xdotool("search", "--onlyvisible", "--name", "^Colou?r$", check=False), 10)
    if not found:
        raise AssertionError("a press in the swatch opened no colour dialog")
    # Its client area from Windows: unmanaged, as the test sessions make the program's windows,
    # its X window holds the caption that Wine draws itself.
    left, top, _, _ = map(int, probe_ok("client-of", xdotool("getwindowname", found.split()[0])).split())
    xdotool("mousemove", left + FIRST_BASIC_COLOUR[0], top + FIRST_BASIC_COLOUR[1], "click", 1)
    # Typed where the pointer rests, as a person would: an unmanaged window takes no keys sent
    # to it by its X id.
    xdotool("key", "Return")
    if not wait_until(lambda: not xdotool("search", "--onlyvisible", "--name", "^Colou?r$", check=False), 10):
        raise AssertionError("the colour dialog stayed open after Return")


def end_skins_dialog(button=OK):
    click(*button, dialog=True)
    if not wait_until(lambda: not dialog_shown(), 5):
        raise AssertionError(f"the button at {button} did not end the skins dialog")
    # The main window answers a sent message only once its thread is free: the dialog gone,
    # str.ini written, the page rebuilt.
    probe_ok("send", 0, 0, 0)


def skins_section(app):
    section = read_ini(app.path("str.ini")).split("[Skins]", 1)[1].split("[", 1)[0]
    return dict(line.strip().split("=", 1) for line in section.splitlines() if "=" in line)


def page_shot(name):
    park_pointer()
    wait_drawn()
    return grab(name)


def same_picture(a, b):
    return differing_pixels(a, b) <= TOLERANCE * pixel_count(a)


class SkinSwitching(unittest.TestCase):
    def test_a_new_skin_and_text_colour_change_the_page_and_str_ini_and_survive_a_restart(self):
        app = App(DIST_SIM, ini=ini("EN", "Carbon"))
        with app:
            show_page()
            carbon = page_shot("skins-carbon")
            open_skins_dialog()
            listed, shown = pick_skin("Frost")
            pick_first_basic_colour()
            end_skins_dialog()
            frost = page_shot("skins-frost")
            written = skins_section(app)
            saved = read_ini(app.path("str.ini"))
        self.assertEqual(listed, ["Carbon", "Frost"])
        self.assertEqual(shown, "Frost")
        self.assertEqual((written["Path"], written["RColor"], written["GColor"], written["BColor"]),
                         ("Frost", *map(str, FIRST_BASIC_RGB)))
        self.assertFalse(same_picture(carbon, frost), "the page did not change with the skin")

        restarted = App(DIST_SIM, ini=saved)
        with restarted:
            show_page()
            self.assertTrue(same_picture(page_shot("skins-frost-restarted"), frost),
                            "the restarted page differs from the one before the restart")
            open_skins_dialog()
            self.assertEqual(probe_ok("--dialog", "text", SKIN_NAME).strip(), "Frost")
            pick_skin("Carbon")
            end_skins_dialog()
            back = page_shot("skins-carbon-again")
            written = skins_section(restarted)
        # Carbon alone brings the colour it is drawn for (its skin.ini), and so the first page.
        self.assertEqual([written[key] for key in ("Path", "RColor", "GColor", "BColor")],
                         ["Carbon", "230", "230", "230"])
        self.assertTrue(same_picture(back, carbon), "back on Carbon, the page differs from the first one")

    def test_cancel_after_a_pick_and_a_colour_changes_nothing(self):
        app = App(DIST_SIM, ini=ini("EN", "Carbon"))
        with app:
            show_page()
            before = page_shot("skins-before-cancel")
            ini_before = read_ini(app.path("str.ini"))
            open_skins_dialog()
            pick_skin("Frost")
            pick_first_basic_colour()
            end_skins_dialog(CLOSE)
            move(*EMPTY)
            after = page_shot("skins-after-cancel")
            ini_after = read_ini(app.path("str.ini"))
        self.assertEqual(ini_after, ini_before)
        self.assertTrue(same_picture(before, after), "Cancel changed the page")


class SkinsDialogScreens(unittest.TestCase):
    def test_the_skins_dialog_in_both_skins_and_in_chinese_matches_its_reviewed_screenshot(self):
        for skin, lang in (("Carbon", "EN"), ("Frost", "EN"), ("Carbon", "CHS")):
            with self.subTest(skin=skin, lang=lang), App(DIST_SIM, ini=ini(lang, skin)):
                show_page()
                open_skins_dialog()
                move(*OK, dialog=True)  # OK in its hover look
                shot = unmatched_shot(f"dialog-Skins-{skin}-{lang}", dialog=True)
                self.assertIsNone(shot, f"the skins dialog differs from its reference: {shot}")
                open_dialog_list(SKINS_SELECTOR_ARROW)
                point_at_entry(SKIN_LIST, 1)
                shot = unmatched_shot(f"dialog-Skins-list-{skin}-{lang}", dialog=True)
                self.assertIsNone(shot, f"the list of skins differs from its reference: {shot}")
                end_skins_dialog(CLOSE)


if __name__ == "__main__":
    unittest.main()
