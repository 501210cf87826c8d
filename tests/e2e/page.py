"""Helpers for the main page: where its client area is on the screen, real clicks and
moves at client points, and screenshots of client rectangles compared within a tolerance."""

import os
import subprocess
from pathlib import Path

from harness import ROOT, main_window_state, probe_ok, screenshot, tray_click, wait_until, xdotool

REFERENCE = ROOT / "tests/e2e/reference"
# One folder per display: two sessions may run the suite at once, each on its own display.
SHOTS = ROOT / "build/e2e-shots" / ("display-" + os.environ.get("DISPLAY", "").lstrip(":").replace(".", "-"))
# Pixels that may differ from a reference: font hinting and anti-aliasing move a few.
TOLERANCE = 0.002


def target(dialog):
    """The probe's arguments for the main window, or with dialog=True the open sub-dialog."""
    return ("--dialog",) if dialog else ()


def client(dialog=False):
    """(left, top, width, height) of the main window's (or the sub-dialog's) client area on
    the screen."""
    return tuple(map(int, probe_ok(*target(dialog), "client").split()))


def at(x, y, dialog=False):
    left, top, _, _ = client(dialog)
    return left + x, top + y


def click(x, y, dialog=False):
    sx, sy = at(x, y, dialog)
    xdotool("mousemove", sx, sy, "click", 1)


def move(x, y, dialog=False):
    sx, sy = at(x, y, dialog)
    xdotool("mousemove", sx, sy)


def colours(path):
    out = subprocess.run(["identify", "-format", "%k", str(path)], capture_output=True, text=True,
                         check=True, timeout=30).stdout
    return int(out)


def show_page(drawn=True):
    """Shows the window from the tray and waits until X shows its page. drawn=False for a
    skin that has nothing to draw."""
    tray_click(1)
    if not wait_until(lambda: main_window_state().startswith("visible"), 15):
        raise AssertionError(f"the tray click did not show the window: {main_window_state()}")
    if drawn:
        wait_drawn()


# A text field with the focus blinks its caret (a bar one line high, 14 pixels at 100 %), with
# a period close to that of two looks: "still" allows that much and no more, a window half
# drawn differs in thousands.
CARET_PIXELS = 64


def wait_drawn(dialog=False):
    """Waits until X shows the window drawn and still: Wine maps and draws a window after
    ShowWindow returns, so 'visible' alone may still be a black rectangle."""
    shots = []
    name = "dialog-showing" if dialog else "showing"

    def drawn_and_still():
        shot = SHOTS / f"{name}-{len(shots) + 1}.png"
        grab(name, dialog=dialog).rename(shot)
        shots.append(shot)
        return (len(shots) > 1 and colours(shots[-1]) > 100
                and differing_pixels(shots[-1], shots[-2]) <= CARET_PIXELS)

    if not wait_until(drawn_and_still, 10, 0.3):
        raise AssertionError(f"the {'dialog' if dialog else 'page'} was not drawn on the screen")


def grab(name, rect=None, dialog=False):
    """A screenshot of the client area, or of rect=(l, t, r, b) in client pixels."""
    left, top, width, height = client(dialog)
    l, t, r, b = rect or (0, 0, width, height)
    SHOTS.mkdir(parents=True, exist_ok=True)
    return screenshot(SHOTS / f"{name}.png", f"{r - l}x{b - t}+{left + l}+{top + t}")


def differing_pixels(a, b):
    result = subprocess.run(["compare", "-metric", "AE", "-fuzz", "4%", str(a), str(b), "null:"],
                            capture_output=True, text=True, timeout=60)
    if result.returncode not in (0, 1):
        raise AssertionError(f"compare failed: {result.stderr.strip()}")
    return int(float(result.stderr.split()[0]))


def pixel_count(path):
    out = subprocess.run(["identify", "-format", "%w %h", str(path)], capture_output=True,
                         text=True, check=True, timeout=30).stdout.split()
    return int(out[0]) * int(out[1])


def matches_reference(shot, name):
    """True when the shot matches the reviewed reference within the tolerance. A missing
    reference fails; QV_UPDATE_REFERENCES=1 writes it for review instead."""
    reference = REFERENCE / f"{name}.png"
    if os.environ.get("QV_UPDATE_REFERENCES") == "1":
        REFERENCE.mkdir(parents=True, exist_ok=True)
        reference.write_bytes(Path(shot).read_bytes())
    if not reference.exists():
        raise AssertionError(f"no reviewed reference {reference}")
    return differing_pixels(shot, reference) <= TOLERANCE * pixel_count(reference)


def unmatched_shot(name, dialog=False, timeout=5):
    """Waits until the window (or the open sub-dialog) matches its reviewed screenshot:
    None once it does, else the last shot's path for the failure message."""
    shot = None

    def matching():
        nonlocal shot
        shot = grab(name, dialog=dialog)
        return matches_reference(shot, name)
    return None if wait_until(matching, timeout) else shot
