"""Start of the simulated program to its tray icon, against a bare dialog program that
adds a tray icon, both started the same way under the same Wine."""

import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests/e2e"))
from harness import probe  # noqa: E402

RUNS = 3


def tray_shown():
    result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Wine System Tray"],
                            capture_output=True, text=True)
    return bool(result.stdout.strip())


def wait(predicate, timeout):
    deadline = time.monotonic() + timeout
    while not predicate():
        if time.monotonic() > deadline:
            raise SystemExit("bench: timed out")
        time.sleep(0.005)


def time_to_icon(command, cwd, stop):
    wait(lambda: not tray_shown(), 20)
    start = time.monotonic()
    process = subprocess.Popen(["wine", *command], cwd=cwd, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    wait(tray_shown, 30)
    elapsed = (time.monotonic() - start) * 1000
    stop()
    if process.wait(20) != 0:
        raise SystemExit(f"bench: {command[0]} ended with {process.returncode}")
    return elapsed


def main():
    bare = ROOT / "build/win/bench/qv_bare_tray.exe"
    with tempfile.TemporaryDirectory(prefix="qv318-bench-") as folder:
        shutil.copytree(ROOT / "build/dist-sim/QV318_Driver", folder, dirs_exist_ok=True)
        floor = min(time_to_icon([str(bare)], folder, lambda: None) for _ in range(RUNS))
        program = min(time_to_icon(["QV318_Driver.exe"], folder, lambda: probe("exit"))
                      for _ in range(RUNS))
    print(f"start       {program:8.1f} ms  floor {floor:6.1f} ms  ratio {program / floor:.2f}")


if __name__ == "__main__":
    main()
