"""The main page as a person sees and uses it: its screenshots, hover looks, the rate bar
and DPI columns reaching the mouse, OK, Cancel, Enter and Escape, dragging and closing."""

import unittest
from pathlib import Path

from harness import PROBE, App, DIST_SIM, main_window_state, probe_ok, read_ini, wait_handled, wait_until, wine_reg, xdotool
from page import at, click, client, differing_pixels, grab, matches_reference, move, show_page

OK, APPLY, CANCEL = (614, 633), (718, 633), (822, 633)
CLOSE = (859, 14)
GUIDE = (361, 637)
EMPTY = (150, 420)  # background with no element and no hover look
RATE_125 = (577, 209)
STAGE_2_BOX = (589, 549)
STAGE_1_LEVEL_5 = (562, 436)
RATE_BAR = (540, 200, 830, 240)
OK_BUTTON = (562, 623, 667, 644)
STATUS, BLOCKS = 2, 2  # the memory file: two status bytes, then the block set


def ini(lang="EN", skin="Carbon"):
    grey = 230 if skin == "Carbon" else 40  # light text on the dark skin, dark on the light one
    return f"[Skins]\nLan={lang}\nPath={skin}\nRColor={grey}\nGColor={grey}\nBColor={grey}\n"


def park_pointer():
    xdotool("mousemove", 2550, 1590)  # the screen's corner, off the window at every scale


def transfers(app):
    log = app.path("simmouse.log")
    return [line for line in log.read_text().splitlines() if line.split(" ")[1] != "ask"] \
        if log.exists() else []


def apply_and_wait(app, press=APPLY):
    """Presses Apply (at `press` in client pixels) and answers the memory file after it; the
    files it saves (str.ini's key names) are written by then too."""
    before = len(transfers(app))
    click(*press)
    # The stage query, the write's status exchange and status write, five blocks of three.
    # The mouse saves its memory before it logs the transfer: the file is final by then.
    if not wait_until(lambda: len(transfers(app)) >= before + 2 + 2 + 1 + 15, 20):
        raise AssertionError(f"Apply did not reach the mouse: {len(transfers(app)) - before} transfers")
    wait_handled()  # the files are saved after the mouse is written
    return app.path("simmouse.bin").read_bytes()


class Screens(unittest.TestCase):
    def test_the_page_in_both_skins_and_three_languages_matches_its_reviewed_screenshots(self):
        for skin in ("Carbon", "Frost"):
            for lang in ("EN", "CHS", "CHT"):
                with self.subTest(skin=skin, lang=lang), App(DIST_SIM, ini=ini(lang, skin)):
                    show_page()
                    park_pointer()
                    shot = grab(f"page-{skin}-{lang}")
                    self.assertTrue(matches_reference(shot, f"page-{skin}-{lang}"), shot)

    def test_hover_on_ok_shows_its_over_image_and_moving_off_restores_it(self):
        with App(DIST_SIM):
            show_page()
            park_pointer()
            normal = grab("ok-normal", OK_BUTTON)
            move(*OK)
            self.assertTrue(wait_until(lambda: differing_pixels(grab("ok-over", OK_BUTTON), normal) > 100, 5),
                            "the hover image did not show")
            move(*EMPTY)
            # The normal image is blended over the hover look: its soft corners keep a trace.
            self.assertTrue(wait_until(lambda: differing_pixels(grab("ok-after", OK_BUTTON), normal) < 100, 5),
                            "moving off did not restore the normal image")

    def test_rate_stage_and_level_presses_show_and_reach_the_mouse_byte_for_byte(self):
        app = App(DIST_SIM)
        with app:
            show_page()
            before = apply_and_wait(app)  # what Apply sends for the saved state
            self.assertEqual(before[BLOCKS + 198], 4, "the fixture has four stages on")
            bar = grab("bar-before", RATE_BAR)
            click(*RATE_125)
            click(*STAGE_2_BOX)
            click(*STAGE_1_LEVEL_5)
            self.assertGreater(differing_pixels(grab("bar-after", RATE_BAR), bar), 50)
            after = apply_and_wait(app)

        expected = bytearray(before)
        expected[0] = 8                                   # 125 Hz
        expected[BLOCKS + 198] = 3                        # stages on
        expected[BLOCKS + 216] = 0x05                     # stage 1: level 5 of table 0, on
        expected[BLOCKS + 217] |= 0x80                    # stage 2: off
        colours = before[BLOCKS + 280:BLOCKS + 292]       # stages 1..4, packed in order
        expected[BLOCKS + 280:BLOCKS + 304] = colours[0:3] + colours[6:12] + bytes(15)
        self.assertEqual(after.hex(), bytes(expected).hex())

    def test_ok_hides_and_cancel_and_a_tray_click_show_the_saved_state(self):
        with App(DIST_SIM):
            show_page()
            park_pointer()
            saved = grab("saved-bar", RATE_BAR)
            click(*RATE_125)
            click(*CANCEL)
            self.assertTrue(wait_until(lambda: main_window_state().startswith("hidden"), 10))
            show_page()
            park_pointer()
            self.assertEqual(differing_pixels(grab("cancelled-bar", RATE_BAR), saved), 0)
            click(*OK)
            self.assertTrue(wait_until(lambda: main_window_state().startswith("hidden"), 10))

    def test_a_window_hidden_long_enough_to_give_back_its_pixels_shows_the_same_page_in_place(self):
        with App(DIST_SIM):
            show_page()
            park_pointer()
            where = client()
            first = grab("before-giving-back")
            click(*CANCEL)
            # Hidden for 3 s, the window gives back what its show took and shrinks to its frame.
            self.assertTrue(wait_until(lambda: main_window_state() == "hidden 0x0", 10), main_window_state())
            show_page()
            park_pointer()
            self.assertEqual(client(), where)
            self.assertEqual(differing_pixels(grab("after-giving-back"), first), 0)

    def test_the_page_shows_what_the_mouse_holds_named_in_the_language_shown(self):
        first = App(DIST_SIM)
        with first:
            show_page()
            memory = bytearray(apply_and_wait(first))
        # Set up on another computer: 250 Hz and key 2 of Mode A on Vol+ (consumer entry 5).
        memory[0] = 4
        slot = BLOCKS + 128 + 2 * 1
        memory[slot:slot + 2] = bytes([5, 0x02])
        app = App(DIST_SIM, ini=ini("CHS"))
        app.path("simmouse.bin").write_bytes(memory)
        with app:
            show_page()
            # An Apply with no edit must give the mouse back what it holds, not this computer's
            # last settings.
            after = apply_and_wait(app)
            names = read_ini(app.path("str.ini")).split("[Setting-CHS]", 1)[1]
        self.assertEqual(after.hex(), bytes(memory).hex())
        self.assertIn("Item2=多媒体-音量+", names)

    def test_a_press_held_on_cancel_or_ok_leaves_no_move_behind(self):
        with App(DIST_SIM):
            show_page()
            where = client()
            for button in (CANCEL, OK):
                # The window hides under the held button: its release goes elsewhere, and a
                # move loop started by the press would take the next click anywhere.
                xdotool("mousemove", *at(*button), "mousedown", 1)
                self.assertTrue(wait_until(lambda: main_window_state().startswith("hidden"), 10))
                xdotool("mouseup", 1)
                show_page()
                self.assertEqual(client(), where, f"the window moved after a press on {button}")

    def test_enter_and_escape_hide_the_window(self):
        with App(DIST_SIM):
            for key in ("Return", "Escape"):
                show_page()
                click(*EMPTY)  # the window takes the keyboard
                xdotool("key", key)
                self.assertTrue(wait_until(lambda: main_window_state().startswith("hidden"), 10), key)

    def test_a_press_on_empty_background_drags_the_window_and_close_ends_with_0(self):
        with App(DIST_SIM) as app:
            show_page()
            left, top, _, _ = client()
            x, y = left + EMPTY[0], top + EMPTY[1]
            xdotool("mousemove", x, y, "mousedown", 1)
            # Moves that arrive before the system's move loop has started are not its to
            # follow: keep the pointer moving until the window does, then drop it there.
            step = [0]

            def dragging():
                step[0] += 1
                xdotool("mousemove", x + 60 - step[0] % 2, y + 50)
                return client()[:2] != (left, top)

            moved = wait_until(dragging, 10)
            xdotool("mousemove", x + 60, y + 50)
            xdotool("mouseup", 1)
            self.assertTrue(moved, "the window did not follow the pointer")
            self.assertTrue(wait_until(lambda: client()[:2] == (left + 60, top + 50), 10), client())
            click(*CLOSE)
            self.assertEqual(app.exit_code(15), 0)


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


def reg(*args):
    rc, said = wine_reg(*args, "/f")
    if rc != 0:
        raise AssertionError(f"wine reg {' '.join(args)} exited {rc}: {said.strip()}")


class Guide(unittest.TestCase):
    def test_the_guide_text_asks_the_shell_to_open_the_page_of_the_language(self):
        # While the test runs, .html opens with the probe, which records what it was given.
        classes = "HKCR"  # Wine's ShellExecuteW reads no per-user classes
        command = f'"{windows_path(PROBE)}" record "{{}}" "%1"'
        self.addCleanup(reg, "delete", classes + "\\qv318test.html")
        self.addCleanup(reg, "delete", classes + "\\.html")
        reg("add", classes + "\\.html", "/ve", "/d", "qv318test.html")
        for lang in ("EN", "CHT"):
            with self.subTest(lang=lang), App(DIST_SIM, ini=ini(lang)) as app:
                opened = app.path("opened.txt")
                reg("add", classes + "\\qv318test.html\\shell\\open\\command", "/ve", "/d",
                    command.format(windows_path(opened)))
                show_page()
                click(*GUIDE)
                self.assertTrue(wait_until(opened.exists, 20), "the shell was not asked to open anything")
                guide = opened.read_text().replace("\\", "/")
                self.assertTrue(guide.lower().endswith(f"/help/guide-{lang}.html".lower()), guide)
                self.assertTrue(Path(app.path("Help") / f"guide-{lang}.html").exists())


class DamagedSkins(unittest.TestCase):
    def test_a_skin_without_main_png_or_with_a_broken_page_image_still_shows(self):
        for damage in ("main.png", "BasicSet2.png"):
            with self.subTest(damage=damage):
                app = App(DIST_SIM)
                image = app.path("Skins/Carbon") / damage
                if damage == "main.png":
                    image.unlink()
                else:
                    image.write_bytes(b"\x89PNG\r\n\x1a\n broken")
                with app:
                    show_page(drawn=damage != "main.png")  # without main.png there is no canvas
                    self.assertIsNone(app.process.poll())
                    probe_ok("main")


if __name__ == "__main__":
    unittest.main()
