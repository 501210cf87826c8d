"""Automatic switching: from a bound program's window appearing in front (Wine's notepad) to
the simulated mouse holding its profile, against the floor: the 1.5 s the foreground must
stay, plus the one Apply that writes it (timed here from its first transfer to the memory
holding the profile)."""

import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests/e2e"))
from harness import xdotool  # noqa: E402
from test_page import transfers  # noqa: E402
from bench_startup import wait  # noqa: E402
from test_profiles import FAST_CHANGES, changed, expected_memory, profile_file, run_to_files, seeded_app  # noqa: E402

SETTLE_S = 1.5


def main():
    app = seeded_app()
    ctl = ["wine", "qv318ctl.exe", "--sim", "simmouse.bin", "--folder", "Profiles", "profile"]
    run_to_files(ctl + ["save", "Desk"], 60, cwd=app.dir)
    desk = profile_file(app, "Desk").read_text(encoding="utf-8")
    profile_file(app, "Notes").write_text(changed(desk, FAST_CHANGES), encoding="utf-8")
    (app.path("Profiles") / "profiles.ini").write_text(
        "default = Desk\nswitchAutomatically = true\nbind = Notes | notepad.exe\n", encoding="utf-8")
    app.start()
    notepad = None
    try:
        want = expected_memory(app, app.path("simmouse.bin").read_bytes(), "Notes")
        before = len(transfers(app))
        notepad = subprocess.Popen(["wine", "notepad"], cwd=app.dir, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        shown = wait(lambda: xdotool("search", "--onlyvisible", "--name", "Notepad", check=False), 30)
        first = wait(lambda: len(transfers(app)) > before, 30)
        held = wait(lambda: app.path("simmouse.bin").read_bytes() == want, 30)
        apply_s = held - first
        total = held - shown
        floor = SETTLE_S + apply_s
        print(f"profile switch: {total:.2f} s from notepad in front to the mouse holding its profile; "
              f"floor {floor:.2f} s (1.5 s + one Apply of {apply_s:.2f} s); ratio {total / floor:.2f}")
    finally:
        if notepad is not None:
            xdotool("mousemove", 800, 600, "click", 1, "key", "alt+F4")
            notepad.wait(20)
        app.stop()


if __name__ == "__main__":
    main()
