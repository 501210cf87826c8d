"""The program on displays at 150 % and 200 % (the prefix's LogPixels, which Wine reads at
each program's start): the client area is the skin's size times the scale, the page and the
Multimedia dialog look as reviewed (and read: a reader finds its drop-down's name and value),
the key boxes' texts are drawn in fonts made for the
scale, and one edit made with real clicks at the scaled places reaches the simulated mouse.
The prefix's own scale is put back whatever happens, for the modules after this one."""

import subprocess
import unittest

import test_page
from harness import DIST_SIM, App, probe_ok, restart_probe, wait_until, wine_reg
from page import REFERENCE, click, client, grab, matches_reference, show_page, unmatched_shot, wait_drawn
from test_dialogs import DIALOGS, KEY_BOXES, MODE_A_KEY_TABLE, OK, SKINS_SELECTOR_ARROW, dialog_shown, end_dialog, \
    key_list, open_dialog_list, slot
from test_lists import open_list
from test_page import APPLY, ini, park_pointer
from test_skins import SKIN_LIST, SKINS_BUTTON

DESKTOP = r"HKCU\Control Panel\Desktop"
SKIN_CLIENT = (886, 666)  # main.png less the window's one-pixel edge, at 100 %
KEY_2_NAME = (272, 222, 463, 243)  # the name part of key box 2, where "Right Click" stands
TEXT_GREY = "rgb(230,230,230)"  # Carbon's text colour
MULTIMEDIA, VOL_PLUS = 7, 5  # the key list's entry and the dialog's


def scaled(dpi, *values):
    """Skin pixels on the screen, each rounded to the nearest as the program rounds edges."""
    return tuple((2 * v * dpi + 96) // 192 for v in values)


def log_pixels():
    words = wine_reg("query", DESKTOP, "/v", "LogPixels")[1].split()
    return int(words[words.index("REG_DWORD") + 1], 16) if "REG_DWORD" in words else None


def set_log_pixels(dpi):
    """LogPixels, or none at all; read back, since reg may answer 0 having done nothing."""
    args = ["add", DESKTOP, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi)] if dpi else \
        ["delete", DESKTOP, "/v", "LogPixels"]
    wine_reg(*args, "/f")
    if log_pixels() != dpi:
        raise AssertionError(f"LogPixels did not become {dpi}: {log_pixels()}")
    restart_probe()  # a probe started before would go on with the old scale


def ink(path, rect):
    """(width, height) of the text-coloured pixels within rect=(l, t, r, b) of the image."""
    l, t, r, b = rect
    out = subprocess.run(["convert", str(path), "+repage", "-crop", f"{r - l}x{b - t}+{l}+{t}", "+repage", "-fuzz", "20%",
                          "-fill", "white", "-opaque", TEXT_GREY, "-fill", "black", "+opaque", "white",
                          "-trim", "-format", "%w %h", "info:"],
                         capture_output=True, text=True, check=True, timeout=30).stdout.split()
    return int(out[0]), int(out[1])


class Scaled(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.addClassCleanup(set_log_pixels, log_pixels())

    def test_at_150_and_200_percent_the_page_a_dialog_and_an_edit_work_at_the_scaled_places(self):
        natural_ink = ink(REFERENCE / "page-Carbon-EN.png", KEY_2_NAME)
        for dpi in (144, 192):
            with self.subTest(dpi=dpi):
                set_log_pixels(dpi)
                app = App(DIST_SIM, ini=ini())
                with app:
                    show_page()
                    park_pointer()
                    _, _, width, height = client()
                    self.assertAlmostEqual(width, SKIN_CLIENT[0] * dpi / 96, delta=1)
                    self.assertAlmostEqual(height, SKIN_CLIENT[1] * dpi / 96, delta=1)
                    shot = grab(f"page-Carbon-EN-{dpi}dpi")
                    self.assertTrue(matches_reference(shot, f"page-Carbon-EN-{dpi}dpi"), shot)
                    # The name in its box: the font's size times the scale, and all of it shown.
                    text = ink(shot, scaled(dpi, *KEY_2_NAME))
                    for got, natural in zip(text, natural_ink):
                        self.assertAlmostEqual(got / natural, dpi / 96, delta=0.2, msg=(text, natural_ink))
                    before = test_page.apply_and_wait(app, scaled(dpi, *APPLY))
                    self.edit_key_2_to_vol_plus(dpi)
                    after = test_page.apply_and_wait(app, scaled(dpi, *APPLY))
                    if dpi == 144:
                        self.switch_to_frost(dpi)
                        _, _, width, height = client()
                        self.assertAlmostEqual(width, SKIN_CLIENT[0] * dpi / 96, delta=1, msg="after a new skin")
                        self.assertAlmostEqual(height, SKIN_CLIENT[1] * dpi / 96, delta=1, msg="after a new skin")
                expected = bytearray(before)
                expected[slot(MODE_A_KEY_TABLE, 2)] = bytes([0x05, 0x02])
                self.assertEqual(after.hex(), bytes(expected).hex())

    def edit_key_2_to_vol_plus(self, dpi):
        """A key box, a list entry, the dialog's selector and entry, and OK, all pressed where
        the scaled window shows them."""
        open_list(scaled(dpi, *KEY_BOXES[2]), key_list(2))
        x, y = map(int, probe_ok("list-item", key_list(2), MULTIMEDIA).split())
        click(x, y)
        self.assertTrue(wait_until(dialog_shown, 10), "Multimedia opened no dialog")
        wait_drawn(dialog=True)
        shot = unmatched_shot(f"dialog-Multimedia-Carbon-EN-{dpi}dpi", dialog=True)
        self.assertIsNone(shot, f"the dialog differs from its reference: {shot}")
        display, list_id, arrow = DIALOGS["Multimedia"]
        open_dialog_list(scaled(dpi, *arrow))
        x, y = map(int, probe_ok("--dialog", "list-item", list_id, VOL_PLUS).split())
        click(x, y, dialog=True)
        self.assertTrue(wait_until(lambda: probe_ok("--dialog", "text", display).strip() == "Vol+", 5))
        # A reader finds the drop-down at its scaled place: named by the dialog, its choice its value.
        title = probe_ok("--dialog", "accessible-name").split(" ", 2)[2].split("\t")[0]
        selector = probe_ok("--dialog", "accessible").splitlines()[0].split(" ", 2)[2].rstrip("\r")
        self.assertTrue(title, "the dialog has no name")
        self.assertEqual(selector, f"{title}\tVol+")
        end_dialog(scaled(dpi, *OK))

    def switch_to_frost(self, dpi):
        """The skins dialog, Frost and OK, pressed where the scaled windows show them."""
        click(*scaled(dpi, *SKINS_BUTTON))
        self.assertTrue(wait_until(dialog_shown, 10), "the skins button opened no dialog")
        shown = open_dialog_list(scaled(dpi, *SKINS_SELECTOR_ARROW))
        names = [line.split("\t", 1)[1] for line in shown.splitlines()]
        x, y = map(int, probe_ok("--dialog", "list-item", SKIN_LIST, names.index("Frost")).split())
        click(x, y, dialog=True)
        end_dialog(scaled(dpi, *OK))
        probe_ok("send", 0, 0, 0)  # answered once the page is rebuilt in the new skin


if __name__ == "__main__":
    unittest.main()
