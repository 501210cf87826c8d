"""Start of the simulated program to its tray icon, and its peak memory by then, against a
bare dialog program that adds a tray icon, both started the same way under the same Wine."""

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


def peak_memory_kib(pid):
    """The largest resident set the process has had (VmHWM): `wine` runs the Windows program
    in its own Linux process, so this is the program with Wine's share, as for the floor."""
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmHWM:"):
            return int(line.split()[1])
    raise SystemExit(f"bench: no VmHWM for process {pid}")


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


if __name__ == "__main__":
    main()
