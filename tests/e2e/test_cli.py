"""qv318ctl: the Windows program under Wine prints what the Linux program prints, and the
Debian package holds what it should and its program runs."""

import os
import pty
import re
import select
import shutil
import subprocess
import tempfile
import unittest
from pathlib import Path

from harness import DIST, DIST_SIM, ROOT, run_to_files

LINUX_BUILD = Path(os.environ.get("QV_CLI_LINUX", ROOT / "build/cli-linux"))
NATIVE = LINUX_BUILD / "qv318ctl"


def run(command, cwd, timeout=60):
    """(exit code, stdout, stderr) as written: the Windows program writes "\n" line ends too."""
    return run_to_files(command, timeout, cwd)


class WindowsAndLinuxAgree(unittest.TestCase):
    def setUp(self):
        self.work = Path(tempfile.mkdtemp(prefix="qv318ctl-"))
        self.addCleanup(shutil.rmtree, self.work, True)

    def test_both_layouts_hold_qv318ctl(self):
        for dist in (DIST, DIST_SIM):
            self.assertTrue((dist / "qv318ctl.exe").is_file(), dist)

    def test_list_and_dump_print_the_same_on_both(self):
        # A memory that is not the default one, written by the Linux program.
        rc, _, err = run([str(NATIVE), "--sim", "memory.bin", "set", "stage", "2", "dpi", "750"], self.work)
        self.assertEqual(rc, 0, err)
        for args in (["list"], ["--sim", "memory.bin", "list"], ["--sim", "memory.bin", "dump"],
                     ["--sim", "memory.bin", "dump", "--json"], ["--version"]):
            with self.subTest(args):
                linux = run([str(NATIVE), *args], self.work)
                windows = run(["wine", str(DIST / "qv318ctl.exe"), *args], self.work)
                self.assertEqual(windows[:2], linux[:2], windows[2])
        # An error goes to stderr as the Linux program writes it.
        args = ["--sim", "memory.bin", "set", "rate", "7"]
        self.assertEqual(run(["wine", str(DIST / "qv318ctl.exe"), *args], self.work)[::2],
                         run([str(NATIVE), *args], self.work)[::2])
        self.assertIn("Stage 2: 750 DPI, on", run([str(NATIVE), "--sim", "memory.bin", "dump"], self.work)[1])


def run_on_terminal(command, cwd, timeout=60):
    """What a command shows on a terminal: Wine gives a program whose output is a terminal a
    console of its own, whose code page is the OEM one, not UTF-8."""
    main, side = pty.openpty()
    process = subprocess.Popen(command, cwd=cwd, stdin=side, stdout=side, stderr=side)
    os.close(side)
    shown = b""
    try:
        while select.select([main], [], [], timeout)[0]:
            try:
                chunk = os.read(main, 4096)
            except OSError:  # the terminal's other side closed: the program has ended
                break
            if not chunk:
                break
            shown += chunk
        process.wait(timeout)
    finally:
        if process.poll() is None:
            process.kill()
            process.wait(10)
        os.close(main)
    # The console draws with escape sequences, and may skip blanks by moving the cursor.
    text = re.sub(r"\x1b\[(\d*)C", lambda m: " " * int(m.group(1) or 1), shown.decode("utf-8", "replace"))
    return re.sub(r"\x1b\[[0-9;?]*[A-Za-z]|\x1b\][^\x07]*\x07|\r", "", text)


class WindowsConsole(unittest.TestCase):
    def test_a_file_name_beyond_ascii_reads_right_on_a_console_and_stays_utf8_in_a_pipe(self):
        with tempfile.TemporaryDirectory(prefix="qv318ctl-") as work:
            command = ["wine", str(DIST / "qv318ctl.exe"), "--sim", "memory.bin", "backup"]
            shown = run_on_terminal(command + ["Zürich 1.qvb"], work)
            self.assertIn("Saved the mouse's memory to Zürich 1.qvb.", shown)
            rc, out, err = run(command + ["Zürich 2.qvb"], work)
            self.assertEqual((rc, out), (0, "Saved the mouse's memory to Zürich 2.qvb.\n"), err)


class DebianPackage(unittest.TestCase):
    def test_the_package_holds_program_rule_and_manual_and_its_program_runs(self):
        packages = sorted(LINUX_BUILD.glob("qv318ctl_*.deb"))
        self.assertEqual(len(packages), 1, packages)
        deb = packages[0]
        info = subprocess.run(["dpkg-deb", "--info", str(deb)], capture_output=True, text=True, check=True).stdout
        for field in ("Package: qv318ctl", "Architecture: ", "Depends: libc6", "Description: "):
            self.assertIn(field, info)
        contents = subprocess.run(["dpkg-deb", "--contents", str(deb)], capture_output=True, text=True,
                                  check=True).stdout
        for path in ("./usr/bin/qv318ctl", "./usr/lib/udev/rules.d/70-qv318.rules",
                     "./usr/share/man/man1/qv318ctl.1.gz"):
            self.assertIn(path, contents)
        with tempfile.TemporaryDirectory() as root:
            subprocess.run(["dpkg-deb", "--extract", str(deb), root], check=True)
            rc, out, _ = run([str(Path(root) / "usr/bin/qv318ctl"), "--help"], root)
            self.assertEqual(rc, 0)
            self.assertIn("Exit codes:", out)
            rule = (Path(root) / "usr/lib/udev/rules.d/70-qv318.rules").read_text()
            self.assertIn('ATTRS{idVendor}=="04d9", ATTRS{idProduct}=="a09e"', rule)


if __name__ == "__main__":
    unittest.main()
