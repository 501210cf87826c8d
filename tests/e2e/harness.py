"""Drives QV318_Driver.exe under Wine as a person would: real clicks and keys through
xdotool on the X display, and a small Win32 observer (qvprobe.exe) that reports what is
on the screen. Each App runs from its own copy of an install layout."""

import atexit
import os
import select
import shutil
import sys
import subprocess
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
DIST = Path(os.environ.get("QV_DIST", ROOT / "build/dist/QV318_Driver"))
DIST_SIM = Path(os.environ.get("QV_DIST_SIM", ROOT / "build/dist-sim/QV318_Driver"))
PROBE = Path(os.environ.get("QV_PROBE", ROOT / "build/win/qvprobe.exe"))
EXE = "QV318_Driver.exe"
STARTED = "qvprobe: started"  # the probe's first line on stderr


def wait_until(predicate, timeout=20.0, interval=0.1):
    """Polls predicate until it answers something true; returns that or None."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            return None
        time.sleep(interval)


def run_to_files(command, timeout, cwd=None, env=None):
    """Runs a command once and answers (exit code, stdout, stderr). Output goes to files
    and the wait is for the process: a Wine desktop that this start opens inherits its
    stderr and would hold a pipe open long after the program has ended."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        process = subprocess.Popen(command, cwd=cwd, env=env, stdout=out, stderr=err)
        try:
            rc = process.wait(timeout)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait(10)
            raise AssertionError(f"{' '.join(map(str, command))} did not end within {timeout} s")
        out.seek(0)
        err.seek(0)
        return rc, out.read().decode("utf-8", "replace"), err.read().decode("utf-8", "replace")


def wine_reg(*args, timeout=60):
    """`wine reg ARGS`: (exit code, what it said). reg always says something, so a start that
    ended with neither word nor success is one Wine ended before reg ran (as seen with the
    probe): it is made once more, and said on stderr."""
    rc, out, err = run_to_files(["wine", "reg", *map(str, args)], timeout)
    if rc != 0 and not out.strip() and not err.strip():
        print(f"\nharness: Wine ended the start of reg {' '.join(map(str, args))} before it ran (exit {rc}); "
              "starting it once more", file=sys.stderr)
        rc, out, err = run_to_files(["wine", "reg", *map(str, args)], timeout)
    return rc, out + err


class ProbeServer:
    """One qvprobe process that answers the run's requests one at a time (qvprobe serve): a
    Wine start costs more than most requests. Started at the first request; a request it does
    not answer in time ends it by its id, and the next request starts another."""

    def __init__(self):
        self.process = None
        self.buffers = {}

    def request(self, args, timeout):
        """(exit code, output, errors) of one request."""
        if self.process is None:
            self.start()
        command = f"qvprobe {' '.join(map(str, args))}"
        try:
            self.process.stdin.write(("\t".join(map(str, args)) + "\n").encode("utf-8"))
            self.process.stdin.flush()
        except OSError:
            self.stop()
            raise AssertionError(f"the probe had ended before {command}")
        deadline = time.monotonic() + timeout
        out = self.read_answer(self.process.stdout, deadline, f"{command} within {timeout} s")
        err = self.read_answer(self.process.stderr, deadline, f"{command} within {timeout} s")
        body, _, rc = out.rpartition("\x1e")
        return int(rc), body, err.rpartition("\x1e")[0]

    def read_answer(self, stream, deadline, command):
        """What the stream says up to the record separator that ends an answer, and the rest of
        that line (the exit code on stdout)."""
        fd = stream.fileno()
        buffer = self.buffers.setdefault(fd, b"")
        while True:
            mark = buffer.find(b"\x1e")
            end = buffer.find(b"\n", mark) if mark >= 0 else -1
            if end >= 0:
                self.buffers[fd] = buffer[end + 1:]
                return buffer[:end].decode("utf-8", "replace").rstrip("\r")
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([fd], [], [], left)[0]:
                self.stop()
                raise AssertionError(f"no answer to {command}")
            chunk = os.read(fd, 65536)
            if not chunk:
                said = buffer.decode("utf-8", "replace").strip()
                self.stop()
                raise AssertionError(f"the probe ended before it answered {command}: {said[-2000:]}")
            buffer += chunk

    def start(self):
        for attempt in (1, 2):
            self.buffers = {}
            self.process = subprocess.Popen(["wine", str(PROBE), "serve"], stdin=subprocess.PIPE,
                                            stdout=subprocess.PIPE, stderr=subprocess.PIPE)
            said = self.read_started()
            if said is None:
                return
            rc = self.stop()
            if attempt == 2:
                raise AssertionError(f"Wine did not start qvprobe twice in a row (exit {rc}): {said[-2000:]}")
            # Wine ended the start before the probe ran (exit 1, no word on either stream):
            # said on stderr so that a run shows how often it happens.
            print(f"\nharness: Wine ended the start of qvprobe serve before it ran (exit {rc}, "
                  f"{said[-500:]!r}); starting it once more", file=sys.stderr)

    def read_started(self):
        """None once the probe has said it runs, else what Wine said before it ended."""
        fd = self.process.stderr.fileno()
        buffer, deadline = b"", time.monotonic() + 60
        while STARTED.encode() not in buffer:
            left = deadline - time.monotonic()
            chunk = os.read(fd, 65536) if left > 0 and select.select([fd], [], [], left)[0] else b""
            if not chunk:
                return buffer.decode("utf-8", "replace")
            buffer += chunk
        self.buffers[fd] = buffer.split(STARTED.encode(), 1)[1].lstrip(b"\r\n")
        return None

    def stop(self):
        """Ends the probe by closing its input, or by its id when it has not ended 10 s later
        (stuck in a request). Answers its exit code."""
        process, self.process = self.process, None
        if process is None:
            return None
        try:
            process.stdin.close()
        except OSError:
            pass
        try:
            rc = process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
            rc = process.wait(10)
        process.stdout.close()
        process.stderr.close()
        return rc


PROBE_SERVER = ProbeServer()
atexit.register(PROBE_SERVER.stop)


def restart_probe():
    """Ends the running probe: Wine reads some settings (the display's scale) once per
    process, and the next request should see them as a program started now does."""
    PROBE_SERVER.stop()


def probe_with_errors(*args, timeout=15):
    """Runs a qvprobe request and answers (exit code, output, errors). A request is never sent
    again: sent again after a timeout, it would reach the program twice and hide a hung
    handler."""
    command = f"qvprobe {' '.join(map(str, args))}"
    rc, stdout, stderr = PROBE_SERVER.request(args, timeout)
    if rc == 3:
        raise AssertionError(f"the program did not answer {command}: {stderr.strip()}")
    return rc, stdout, stderr


def probe(*args, timeout=15):
    """qvprobe's exit code and output."""
    rc, stdout, _ = probe_with_errors(*args, timeout=timeout)
    return rc, stdout


def probe_ok(*args, timeout=15):
    """qvprobe for a request that must succeed; answers its output. A failure says what the
    probe and Wine wrote, so a start of Wine that failed can be told from a missing window."""
    rc, out, err = probe_with_errors(*args, timeout=timeout)
    if rc != 0:
        raise AssertionError(f"qvprobe {' '.join(map(str, args))} exited {rc}: {out.strip()} {err.strip()[-2000:]}")
    return out


def xdotool(*args, check=True):
    """xdotool's output; a failed command fails the test unless check is False (a search
    that finds nothing exits 1)."""
    result = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True,
                            timeout=30)
    if check and result.returncode != 0:
        raise AssertionError(f"xdotool {' '.join(map(str, args))} exited {result.returncode}: "
                             f"{result.stderr.strip()}")
    return result.stdout.strip()


def wait_handled():
    """Returns once the program's window has ended the handler it runs: a message sent to it
    is answered only between two handlers (its pauses sleep, they pump no messages)."""
    probe_ok("send", 0, 0, 0)


def main_window_count():
    """The program's main windows. A probe that did not run fails here: read as none, it
    would let a test go on while the window it waits to see gone is still there."""
    return int(probe_ok("count"))


def main_window_state():
    """'visible WxH', 'hidden WxH' or 'none'."""
    return probe("main")[1].strip()


def balloon_texts():
    rc, out = probe("balloon")
    return out.splitlines() if rc == 0 else []


def tray_window():
    return wait_until(lambda: xdotool("search", "--onlyvisible", "--name", "Wine System Tray",
                                      check=False))


def tray_click(button=1, slot=0, repeat=1):
    """Clicks the icon in the given slot of Wine's tray window."""
    window = tray_window()
    if not window:
        raise AssertionError("the tray window is not shown")
    xdotool("mousemove", "--window", window.split()[0], 10 + 20 * slot, 10,
            "click", "--repeat", repeat, button)


# A text item of the popup menus and the frame around them, at the prefix's 96 DPI.
MENU_ITEM_HEIGHT = 17
MENU_FRAME = 3


def click_menu_item(index=0, item_height=MENU_ITEM_HEIGHT):
    """Clicks an item of the open popup menu with the pointer: counted from the top, or with
    a negative index from the bottom (-1 is the last item, below any separator)."""
    rc, out = probe("menu-rect")
    if rc != 0:
        raise AssertionError("no menu is open")
    left, top, right, bottom = map(int, out.split())
    first = top + MENU_FRAME if index >= 0 else bottom - MENU_FRAME
    xdotool("mousemove", (left + right) // 2, first + item_height * index + item_height // 2, "click", 1)


def screenshot(path, crop=None):
    args = ["import", "-window", "root"]
    if crop:
        args += ["-crop", crop]
    subprocess.run(args + [str(path)], check=True, timeout=30)
    return path


def tray_slot_is_empty(slot):
    """True when the tray shows no icon in that slot: the slot looks like the tray's empty
    right end, or the tray window is gone because it holds no icon at all."""
    window = xdotool("search", "--onlyvisible", "--name", "Wine System Tray", check=False)
    if not window:
        return True
    geometry = xdotool("getwindowgeometry", window.split()[0])
    pos = geometry.split("Position: ")[1].split()[0].split(",")
    x, y = int(pos[0]) + 2 + 20 * slot, int(pos[1]) + 2
    with tempfile.TemporaryDirectory() as tmp:
        icon = screenshot(Path(tmp) / "slot.png", f"16x16+{x}+{y}")
        empty = screenshot(Path(tmp) / "empty.png", f"16x16+{int(pos[0]) + 140}+{y}")
        diff = subprocess.run(["compare", "-metric", "AE", str(icon), str(empty), "null:"],
                              capture_output=True, text=True, timeout=30)
    if diff.returncode not in (0, 1):  # 1 only says the images differ
        raise AssertionError(f"compare failed: {diff.stderr.strip()}")
    return diff.stderr.strip().split()[0] == "0"


def write_ini(path, text):
    """str.ini as the program ships it: UTF-16LE with a byte-order mark."""
    Path(path).write_bytes(b"\xff\xfe" + text.replace("\n", "\r\n").encode("utf-16-le"))


def read_ini(path):
    data = Path(path).read_bytes()
    if data.startswith(b"\xff\xfe"):
        return data[2:].decode("utf-16-le")
    return data.decode("latin-1")


class App:
    """One copy of the program in a temporary install folder. Every process it launches is
    waited for on stop(); one that does not end fails the test and is ended by its id."""

    def __init__(self, dist=DIST, ini=None):
        self.dir = Path(tempfile.mkdtemp(prefix="qv318-e2e-"))
        shutil.copytree(dist, self.dir, dirs_exist_ok=True)
        if ini is not None:
            write_ini(self.dir / "str.ini", ini)
        self.process = None
        self.launched = []

    def path(self, name):
        return self.dir / name

    def launch(self):
        """Starts another process of the program from this folder."""
        return self.launch_named(EXE)

    def launch_named(self, name):
        # Wine's own complaints (a start that failed) go to a file beside the folder, to a
        # file and not a pipe, so a failed start can say why.
        self.stderr = self.dir.parent / (self.dir.name + f"-{len(self.launched)}.stderr")
        with open(self.stderr, "wb") as err:
            process = subprocess.Popen(["wine", name], cwd=self.dir, stdout=subprocess.DEVNULL,
                                       stderr=err)
        self.launched.append(process)
        return process

    def start(self, timeout=30):
        self.process = self.launch()
        try:
            return self._started(timeout)
        except BaseException:
            self.stop()  # ends what was launched; a failure of its own is chained to this one
            raise

    def _started(self, timeout):
        if not wait_until(lambda: main_window_count() >= 1 or self.process.poll() is not None,
                          timeout):
            raise AssertionError("the main window did not appear")
        if self.process.poll() is not None:
            raise AssertionError(f"the program ended at start with {self.process.returncode}: "
                                 + self.stderr.read_text(errors="replace").strip())
        # The window shows itself once created and hides on its first frame paints.
        if not wait_until(lambda: main_window_state().startswith("hidden"), 10):
            raise AssertionError(f"the main window did not hide after start: {main_window_state()}")
        return self

    def exit_code(self, timeout=15):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        problems = []
        try:
            if self.process and self.process.poll() is None:
                try:
                    xdotool("key", "Escape")  # a menu left open would keep its loop running
                    probe_ok("exit")
                except AssertionError as error:  # recorded; the processes still get ended
                    problems.append(str(error))
                if self.exit_code(15) is None:
                    problems.append(f"{EXE} did not end within 15 s of Exit")
            for process in self.launched:
                try:
                    process.wait(15)
                except subprocess.TimeoutExpired:
                    problems.append(f"{' '.join(process.args)} (pid {process.pid}) did not end")
                    process.kill()
                    process.wait(10)
            # Let the tray drop the icon before the next program adds one.
            if not wait_until(lambda: main_window_count() == 0, 10):
                problems.append("a main window is still there after the program ended")
        finally:
            shutil.rmtree(self.dir, ignore_errors=True)
            for log in self.dir.parent.glob(self.dir.name + "-*.stderr"):
                log.unlink()
        if problems:
            raise AssertionError("; ".join(problems))

    def __enter__(self):
        return self.start()

    def __exit__(self, *exc):
        self.stop()
