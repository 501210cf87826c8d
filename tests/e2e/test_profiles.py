"""Named profiles as a player uses them: the current setup saved from the tray under a name,
another profile chosen from the tray with real clicks reaching the simulated mouse byte for
byte (the same bytes qv318ctl's profile apply leaves), a damaged profile refused by name,
automatic switching with Wine's notepad coming to the front, the manager's actions with real
clicks and keys as the Profiles folder shows them, and the hot key stepping through the
profiles."""

import subprocess
import unittest

from harness import (App, DIST_SIM, balloon_texts, click_menu_item, probe, probe_ok, run_to_files, tray_click,
                     tray_window, wait_until, xdotool, MENU_ITEM_HEIGHT)
from page import click, wait_drawn
from test_page import ini, transfers

FAST_CHANGES = {"reportRateHz": "500", "stages.1.colour": "12AB34", "lighting.mode": "Off"}

# The manager at 100 %: client pixels are the skin's. Its buttons' middles, and its lists.
RENAME, DUPLICATE, DELETE, MAKE_DEFAULT = (182, 61), (182, 83), (182, 105), (182, 171)
RUNNING_ARROW, HOT_KEY_FIELD, OK = (364, 134), (300, 189), (218, 263)
PROFILE_LIST, RUNNING_LIST = 571, 574


def profile_file(app, name):
    return app.path("Profiles") / f"{name}.qvprofile"


def changed(text, changes):
    lines = []
    for line in text.splitlines():
        field = line.split(" = ", 1)[0]
        lines.append(f"{field} = {changes[field]}" if field in changes else line)
    return "\n".join(lines) + "\n"


def menu_rect():
    rc, out = probe("menu-rect")
    return tuple(map(int, out.split())) if rc == 0 else None


def open_profiles_submenu():
    """The tray menu, then its Profiles item (above Exit) with the pointer; answers the
    submenu's rectangle once it is open."""
    tray_click(3)
    main = wait_until(menu_rect, 10)
    assert main, "the tray menu did not open"
    click_menu_item(-2)
    sub = wait_until(lambda: (r := menu_rect()) and r != main and r, 10)
    assert sub, "the Profiles submenu did not open"
    return sub


def click_submenu_item(rect, index):
    """From the top (the profiles), or with a negative index from the bottom (-3 "Save
    current setup as...", -2 "Manage profiles...", -1 "Switch automatically")."""
    left, top, right, bottom = rect
    first = top + 3 if index >= 0 else bottom - 3
    xdotool("mousemove", (left + right) // 2, first + MENU_ITEM_HEIGHT * index + MENU_ITEM_HEIGHT // 2,
            "click", 1)


def seeded_app():
    """A copy whose simulated mouse holds its default memory in simmouse.bin from the start."""
    app = App(DIST_SIM, ini=ini("EN"))
    rc, out, err = run_to_files(["wine", "qv318ctl.exe", "--sim", "simmouse.bin", "set", "rate", "1000"], 60,
                                cwd=app.dir)
    assert rc == 0, out + err
    return app


def expected_memory(app, start, profile):
    """What qv318ctl's profile apply leaves in a mouse that held `start`."""
    mouse = app.path("expected.bin")
    mouse.write_bytes(start)
    rc, out, err = run_to_files(["wine", "qv318ctl.exe", "--sim", "expected.bin", "--folder", "Profiles",
                                 "profile", "apply", profile], 60, cwd=app.dir)
    assert rc == 0, out + err
    return mouse.read_bytes()


def saved_profiles(app, *names):
    for name in names:
        rc, out, err = run_to_files(["wine", "qv318ctl.exe", "--sim", "simmouse.bin", "--folder", "Profiles", "profile",
                                     "save", name], 60, cwd=app.dir)
        assert rc == 0, out + err


def dialog_named(title):
    """Waits until the sub-dialog in front is the one named `title`, drawn."""
    named = wait_until(lambda: title in probe("--dialog", "accessible-name")[1], 15)
    assert named, f"no dialog {title}: {probe('--dialog', 'accessible-name')}"
    wait_drawn(dialog=True)


def entries(list_id):
    """The entries of a list of the sub-dialog in front, read through its own thread: a look
    between two of its steps (a file deleted, the list not filled again yet) cannot happen."""
    rc, out = probe("--dialog", "lists")
    if rc != 0:
        return []
    return [line.split("\t", 1)[1] for line in out.splitlines() if line.startswith(f"{list_id}\t")]


def pick(list_id, index):
    click(*map(int, probe_ok("--dialog", "list-item", list_id, index).split()), dialog=True)


def settings_text(app):
    path = app.path("Profiles") / "profiles.ini"
    return path.read_text(encoding="utf-8") if path.exists() else ""


def question():
    rc, out = probe("msgbox")
    return out if rc == 0 and out.strip() else None


class Profiles(unittest.TestCase):
    def test_saved_from_the_tray_then_chosen_reaches_the_mouse_and_a_damaged_one_is_refused(self):
        with seeded_app() as app:
            start = app.path("simmouse.bin").read_bytes()
            sub = open_profiles_submenu()
            click_submenu_item(sub, -3)
            prompt = wait_until(lambda: xdotool("search", "--name", "Save profile", check=False), 10)
            self.assertTrue(prompt)
            # Into the name's box (a third of the way down the prompt), then the name.
            geometry = xdotool("getwindowgeometry", prompt.split()[0])
            x, y = map(int, geometry.split("Position: ")[1].split()[0].split(","))
            width, height = map(int, geometry.split("Geometry: ")[1].split()[0].split("x"))
            xdotool("mousemove", x + width // 2, y + height * 2 // 5, "click", 1)
            xdotool("type", "--delay", "30", "Desk")
            xdotool("key", "Return")
            self.assertTrue(wait_until(lambda: profile_file(app, "Desk").exists(), 10))
            desk = profile_file(app, "Desk").read_text(encoding="utf-8")
            self.assertEqual(app.path("simmouse.bin").read_bytes(), start)  # saving never writes
            profile_file(app, "Fast").write_text(changed(desk, FAST_CHANGES), encoding="utf-8")
            profile_file(app, "Broken").write_text(changed(desk, {"reportRateHz": "333"}), encoding="utf-8")
            want = expected_memory(app, start, "Fast")
            self.assertNotEqual(want, start)

            sub = open_profiles_submenu()
            click_submenu_item(sub, 2)  # Broken, Desk, Fast
            self.assertTrue(wait_until(lambda: "Fast" in " ".join(balloon_texts()), 20), balloon_texts())
            self.assertIn('The mouse now holds the profile "Fast".', balloon_texts())
            self.assertEqual(app.path("simmouse.bin").read_bytes(), want)

            before = len(transfers(app))
            sub = open_profiles_submenu()
            click_submenu_item(sub, 0)
            box = wait_until(lambda: (r := probe("msgbox"))[0] == 0 and r[1], 10)
            self.assertIn('The profile "Broken" cannot be used', box or "")
            self.assertIn("reportRateHz must be 125, 250, 500 or 1000", box or "")
            probe("msgbox-ok")
            self.assertEqual(len(transfers(app)), before)
            self.assertEqual(app.path("simmouse.bin").read_bytes(), want)

    def test_notepad_in_front_gets_its_profile_and_the_default_comes_back(self):
        app = seeded_app()
        notepad = mine_process = None
        try:
            ctl = ["wine", "qv318ctl.exe", "--sim", "simmouse.bin", "--folder", "Profiles", "profile"]
            rc, out, err = run_to_files(ctl + ["save", "Desk"], 60, cwd=app.dir)
            self.assertEqual(rc, 0, out + err)
            desk = profile_file(app, "Desk").read_text(encoding="utf-8")
            profile_file(app, "Notes").write_text(changed(desk, FAST_CHANGES), encoding="utf-8")
            (app.path("Profiles") / "profiles.ini").write_text(
                "default = Desk\nswitchAutomatically = true\nbind = Notes | notepad.exe\n", encoding="utf-8")
            app.start()
            start = app.path("simmouse.bin").read_bytes()
            want = expected_memory(app, start, "Notes")
            self.assertNotEqual(want, start)

            back = expected_memory(app, want, "Desk")
            notepad = subprocess.Popen(["wine", "notepad"], cwd=app.dir, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
            self.assertTrue(wait_until(lambda: app.path("simmouse.bin").read_bytes() == want, 30))
            self.assertTrue(wait_until(lambda: 'The mouse now holds the profile "Notes".' in balloon_texts(), 10))

            # A program bound to nothing comes to the front and stays: the default comes
            # back. (A foreground that returns within the settling time writes nothing; that
            # rule is timed, so the core's tests hold it with their own clock.)
            self.assertTrue(wait_until(lambda: not balloon_texts(), 20))
            mine_process = subprocess.Popen(["wine", "winemine"], cwd=app.dir, stdout=subprocess.DEVNULL,
                                            stderr=subprocess.DEVNULL)
            self.assertTrue(wait_until(lambda: app.path("simmouse.bin").read_bytes() == back, 30))
            self.assertTrue(wait_until(lambda: 'The mouse now holds the profile "Desk".' in balloon_texts(), 10))

            # A click puts notepad in front again (winemine opens over its top left corner):
            # Notes again; notepad closed with winemine in front: the default again.
            xdotool("mousemove", 800, 600, "click", 1)
            self.assertTrue(wait_until(lambda: app.path("simmouse.bin").read_bytes() == want, 30))
            xdotool("mousemove", 800, 600, "click", 1, "key", "alt+F4")
            self.assertEqual(notepad.wait(20), 0)
            notepad = None
            self.assertTrue(wait_until(lambda: app.path("simmouse.bin").read_bytes() == back, 30))
        finally:
            for process in (notepad, mine_process):
                if process is not None and process.poll() is None:
                    process.kill()
                    process.wait(10)
            app.stop()

    def test_the_manager_renames_duplicates_deletes_after_asking_sets_the_default_a_program_and_the_hot_key(self):
        app = seeded_app()  # started once its profiles are there
        try:
            saved_profiles(app, "Desk", "Games")
            app.start()
            click_submenu_item(open_profiles_submenu(), -2)
            dialog_named("Manage profiles")
            reader = probe_ok("--dialog", "accessible")
            self.assertIn("Profiles\tDesk", reader)
            self.assertIn("Hot key\tNone", reader)

            pick(PROFILE_LIST, 1)
            click(*RENAME, dialog=True)
            dialog_named("Rename profile")
            xdotool("type", "--delay", "30", "Play")  # over the old name, which starts selected
            xdotool("key", "Return")
            self.assertTrue(wait_until(lambda: profile_file(app, "Play").exists(), 10))
            self.assertFalse(profile_file(app, "Games").exists())

            dialog_named("Manage profiles")
            click(*DUPLICATE, dialog=True)  # the renamed profile stays selected
            dialog_named("Duplicate profile")
            xdotool("key", "Return")
            self.assertTrue(wait_until(lambda: profile_file(app, "Play 2").exists(), 10))

            dialog_named("Manage profiles")
            click(*DELETE, dialog=True)
            self.assertIn('Delete the profile "Play 2"?', wait_until(question, 10) or "")
            xdotool("key", "n")
            self.assertTrue(wait_until(lambda: not question(), 10))
            self.assertTrue(profile_file(app, "Play 2").exists())
            click(*DELETE, dialog=True)
            self.assertTrue(wait_until(question, 10))
            xdotool("key", "y")
            self.assertTrue(wait_until(lambda: not profile_file(app, "Play 2").exists(), 10))
            # The manager fills its list once the file has gone: pick from the list it shows then.
            self.assertTrue(wait_until(lambda: len(entries(PROFILE_LIST)) == 2, 10), entries(PROFILE_LIST))

            pick(PROFILE_LIST, 1)  # Desk, Play
            click(*MAKE_DEFAULT, dialog=True)
            self.assertTrue(wait_until(lambda: "default = Play\n" in settings_text(app), 10), settings_text(app))

            click(*RUNNING_ARROW, dialog=True)
            running = wait_until(lambda: entries(RUNNING_LIST), 10)
            self.assertIn("explorer.exe", running or [])
            pick(RUNNING_LIST, running.index("explorer.exe"))
            self.assertTrue(wait_until(lambda: "bind = Play | explorer.exe\n" in settings_text(app), 10),
                            settings_text(app))

            click(*HOT_KEY_FIELD, dialog=True)
            xdotool("key", "ctrl+alt+p")
            self.assertTrue(wait_until(lambda: "hotKey = 3 80\n" in settings_text(app), 10), settings_text(app))
            self.assertIn("Hot key\tCtrl+Alt+P", probe_ok("--dialog", "accessible"))
            click(*OK, dialog=True)
            self.assertTrue(wait_until(lambda: probe("--dialog", "client")[0] != 0, 10))
            self.assertEqual(sorted(p.name for p in app.path("Profiles").glob("*.qvprofile")),
                             ["Desk.qvprofile", "Play.qvprofile"])
        finally:
            app.stop()

    def test_the_hot_key_steps_through_the_profiles_to_the_mouse(self):
        app = seeded_app()
        try:
            saved_profiles(app, "Desk")
            desk = profile_file(app, "Desk").read_text(encoding="utf-8")
            profile_file(app, "Fast").write_text(changed(desk, FAST_CHANGES), encoding="utf-8")
            (app.path("Profiles") / "profiles.ini").write_text("hotKey = 3 80\n", encoding="utf-8")
            app.start()
            start = app.path("simmouse.bin").read_bytes()
            fast = expected_memory(app, start, "Fast")
            back = expected_memory(app, fast, "Desk")
            # The keys go to the window under the pointer; the hot key is the system's, whoever has them.
            left, top = map(int, xdotool("getwindowgeometry", tray_window().split()[0]).split("Position: ")[1].split()[0].split(","))
            xdotool("mousemove", left + 5, top + 5)
            for name, memory in (("Fast", fast), ("Desk", back)):
                xdotool("key", "ctrl+alt+p")
                self.assertTrue(wait_until(lambda: f'The mouse now holds the profile "{name}".' in balloon_texts(), 20),
                                balloon_texts())
                self.assertEqual(app.path("simmouse.bin").read_bytes(), memory)
                self.assertTrue(wait_until(lambda: not balloon_texts(), 20))
        finally:
            app.stop()


if __name__ == "__main__":
    unittest.main()
