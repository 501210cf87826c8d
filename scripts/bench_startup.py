"""Start of the simulated program to its tray icon, and its peak memory by then, against a
bare dialog program that adds a tray icon, both started the same way under the same Wine;
then, at 100 % and at 200 %, the time from a tray click to the drawn page and the memory
after the window has been shown and hidden, against the bare program's: at its icon, and a
second later when the libraries its icon brings in have loaded (the program's "hidden again"
is a settled figure too)."""

import contextlib
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests/e2e"))
from harness import EXE, probe, run_to_files  # noqa: E402

RUNS = 3


def tray_shown():
    result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Wine System Tray"],
                            capture_output=True, text=True)
    return bool(result.stdout.strip())


def wait(predicate, timeout):
    """Polls predicate until it holds; answers the moment it was seen to."""
    deadline = time.monotonic() + timeout
    while not predicate():
        if time.monotonic() > deadline:
            raise SystemExit("bench: timed out")
        time.sleep(0.005)
    return time.monotonic()


def memory_kib(pid, field="VmHWM"):
    """The largest resident set the process has had (VmHWM), or the one it has (VmRSS): `wine`
    runs the Windows program in its own Linux process, so this is the program with Wine's
    share, as for the floor."""
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith(field + ":"):
            return int(line.split()[1])
    raise SystemExit(f"bench: no {field} for process {pid}")


def peak_memory_kib(pid):
    return memory_kib(pid)


DESKTOP = r"HKCU\Control Panel\Desktop"


def log_pixels():
    out = subprocess.run(["wine", "reg", "query", DESKTOP, "/v", "LogPixels"], capture_output=True,
                         text=True, timeout=60).stdout.split()
    return int(out[out.index("REG_DWORD") + 1], 16) if "REG_DWORD" in out else None


def set_log_pixels(dpi):
    args = ["add", DESKTOP, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi)] if dpi else \
        ["delete", DESKTOP, "/v", "LogPixels"]
    subprocess.run(["wine", "reg", *args, "/f"], capture_output=True, timeout=60)


# Wine's X11 driver waits up to 2 s at every hide for a window manager that bare Xvfb does
# not have, and a tray click right after a hide would wait behind it; as in the soak test,
# the program's windows are unmanaged here (it reads this at start).
X11_KEY = rf"HKCU\Software\Wine\AppDefaults\{EXE}\X11 Driver"


@contextlib.contextmanager
def unmanaged_windows():
    run_to_files(["wine", "reg", "add", X11_KEY, "/v", "Managed", "/d", "N", "/f"], 60)
    try:
        yield
    finally:
        run_to_files(["wine", "reg", "delete", X11_KEY, "/f"], 60)


def given_back():
    """Hidden and shrunk to its frame: the window has given back what its show took."""
    state = probe("main")[1].split()
    return state[:1] == ["hidden"] and state[1:] == ["0x0"]


def shown_and_hidden(folder):
    """(ms from a tray click to the drawn page: the first, one right after a hide, and one
    after the window has given back what it took; resident KiB at the tray icon, once shown,
    and once it has given back what it took, 3 s after the hide)."""
    process = subprocess.Popen(["wine", "QV318_Driver.exe"], cwd=folder, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    # Hidden from its creation on, at a bare dialog's size until the skin is read: settled
    # once the hidden window has given back what the start-up took.
    wait(given_back, 30)
    at_tray = memory_kib(process.pid, "VmRSS")
    first = float(probe("tray-show-time")[1])
    shown = memory_kib(process.pid, "VmRSS")
    probe("close")
    wait(lambda: probe("main")[1].startswith("hidden"), 10)
    soon = float(probe("tray-show-time")[1])
    probe("close")
    wait(given_back, 10)
    hidden = memory_kib(process.pid, "VmRSS")
    again = float(probe("tray-show-time")[1])
    probe("exit")
    if process.wait(20) != 0:
        raise SystemExit(f"bench: the program ended with {process.returncode}")
    return first, soon, again, at_tray, shown, hidden


def bare_resident_kib(folder):
    """Resident KiB of the bare program at its icon and a second later (it ends by itself at 1.5 s)."""
    bare = ROOT / "build/win/bench/qv_bare_tray.exe"
    wait(lambda: not tray_shown(), 20)
    process = subprocess.Popen(["wine", str(bare)], cwd=folder, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait(tray_shown, 30)
    at_icon = memory_kib(process.pid, "VmRSS")
    time.sleep(1)  # a figure a second on, not an event: nothing in the bare program marks it
    settled = memory_kib(process.pid, "VmRSS")
    process.wait(20)
    return at_icon, settled


def start_to_icon(command, cwd, stop):
    """(milliseconds to the tray icon, peak memory in KiB then)."""
    wait(lambda: not tray_shown(), 20)
    start = time.monotonic()
    process = subprocess.Popen(["wine", *command], cwd=cwd, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    wait(tray_shown, 30)
    elapsed = (time.monotonic() - start) * 1000
    peak = peak_memory_kib(process.pid)
    stop()
    if process.wait(20) != 0:
        raise SystemExit(f"bench: {command[0]} ended with {process.returncode}")
    return elapsed, peak


def main():
    bare = ROOT / "build/win/bench/qv_bare_tray.exe"
    with tempfile.TemporaryDirectory(prefix="qv318-bench-") as folder:
        shutil.copytree(ROOT / "build/dist-sim/QV318_Driver", folder, dirs_exist_ok=True)
        floor = [start_to_icon([str(bare)], folder, lambda: None) for _ in range(RUNS)]
        program = [start_to_icon(["QV318_Driver.exe"], folder, lambda: probe("exit"))
                   for _ in range(RUNS)]
    # The least of the runs for each: what the others add is the machine's noise.
    time_floor, time_program = min(t for t, _ in floor), min(t for t, _ in program)
    memory_floor, memory_program = min(m for _, m in floor) / 1024, min(m for _, m in program) / 1024
    print(f"start       {time_program:8.1f} ms  floor {time_floor:6.1f} ms  ratio {time_program / time_floor:.2f}")
    print(f"peak memory {memory_program:8.1f} MiB floor {memory_floor:6.1f} MiB ratio "
          f"{memory_program / memory_floor:.2f}")
    with tempfile.TemporaryDirectory(prefix="qv318-bench-") as folder:
        shutil.copytree(ROOT / "build/dist-sim/QV318_Driver", folder, dirs_exist_ok=True)
        bare = [bare_resident_kib(folder) for _ in range(RUNS)]
        floor, settled_floor = (min(b[i] for b in bare) / 1024 for i in (0, 1))
        own_scale = log_pixels()
        for dpi, percent in ((96, 100), (192, 200)):
            set_log_pixels(dpi)
            try:
                with unmanaged_windows():
                    runs = [shown_and_hidden(folder) for _ in range(RUNS)]
            finally:
                set_log_pixels(own_scale)
            first, soon, again = (min(r[i] for r in runs) for i in (0, 1, 2))
            at_tray, shown, hidden = (min(r[i] for r in runs) / 1024 for i in (3, 4, 5))
            print(f"at {percent:3d} %    tray click to the drawn page {first:6.1f} ms (first), {soon:6.1f} ms (right "
                  f"after a hide), {again:6.1f} ms (after it gave back what it took)")
            print(f"at {percent:3d} %    resident at the tray {at_tray:5.1f} MiB ({at_tray / floor:.2f}), shown "
                  f"{shown:5.1f} MiB, hidden again {hidden:5.1f} MiB ({hidden / settled_floor:.2f} of the settled "
                  f"floor, {hidden / floor:.2f} of the floor at its icon); floor {floor:5.1f} MiB at its icon, "
                  f"{settled_floor:5.1f} MiB a second later")


if __name__ == "__main__":
    main()
