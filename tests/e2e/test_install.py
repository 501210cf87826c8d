"""The installer and the portable zip as a user meets them: a silent install into a folder
of the Wine prefix, a silent upgrade, a silent uninstall, read back from the files, the
registry, the Start Menu and the scheduled tasks of the prefix."""

import os
import re
import shutil
import subprocess
import tempfile
import unittest
import zipfile
from pathlib import Path

from harness import DIST, DIST_SIM, EXE, ROOT, main_window_count, probe, probe_ok, wait_until, xdotool

VERSION = re.search(r"project\(QV318 VERSION ([0-9.]+)",
                    (ROOT / "CMakeLists.txt").read_text(encoding="utf-8")).group(1)
SETUP = DIST.parent / f"QV318_Driver-{VERSION}-setup.exe"
ZIP = DIST.parent / f"QV318_Driver-{VERSION}-portable.zip"
PREFIX = Path(os.environ.get("WINEPREFIX", Path.home() / ".wine"))
DRIVE_C = PREFIX / "drive_c"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\QV318_Driver"
SHORTCUT = DRIVE_C / "ProgramData/Microsoft/Windows/Start Menu/Programs/QV318 Driver.lnk"
TASK = DRIVE_C / "windows/system32/tasks/QV318 Driver"  # where Wine keeps a registered task
SETTINGS = ["config.bin", "str.ini"]


def wine(*args, timeout=120):
    """Runs a Windows program to its end; answers (exit code, output). Output goes to a file,
    not a pipe (see harness.probe)."""
    env = dict(os.environ)
    # Wine would turn the Start Menu shortcut into a launcher on this machine's own desktop.
    env["WINEDLLOVERRIDES"] = env.get("WINEDLLOVERRIDES", "") + ";winemenubuilder.exe=d"
    with tempfile.TemporaryFile() as out:
        rc = subprocess.run(["wine", *map(str, args)], stdout=out, stderr=subprocess.STDOUT,
                            env=env, timeout=timeout).returncode
        out.seek(0)
        return rc, out.read().decode("utf-8", "replace")


def windows_path(path):
    return "C:\\" + str(path.relative_to(DRIVE_C)).replace("/", "\\")


def files_under(root):
    return sorted(str(p.relative_to(root)) for p in root.rglob("*") if p.is_file())


def uninstall_entry():
    """The values of the Apps-and-Features entry, or None when there is none."""
    rc, out = wine("reg", "query", UNINSTALL_KEY)
    if rc != 0:
        return None
    values = {}
    for line in out.splitlines():
        parts = re.split(r"\s{4}", line.strip())
        if len(parts) == 3:
            values[parts[0]] = parts[2]
    return values


def end(process, ask=lambda: probe("exit")):
    """Ends a program a test left running: asked to (the tray's Exit), else by its id."""
    if process.poll() is None:
        ask()
        try:
            process.wait(15)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait(10)


def forget_installation():
    """What a failed test may have left in the prefix, which every test shares."""
    if uninstall_entry() is not None:
        wine("reg", "delete", UNINSTALL_KEY, "/f")
    if TASK.exists():
        wine("schtasks", "/Delete", "/F", "/TN", TASK.name)
    SHORTCUT.unlink(missing_ok=True)


class Installer(unittest.TestCase):
    def setUp(self):
        self.assertTrue(SETUP.is_file(), f"{SETUP} was not built")
        self.dir = Path(tempfile.mkdtemp(prefix="qv318-install-", dir=DRIVE_C))
        self.addCleanup(forget_installation)
        self.addCleanup(shutil.rmtree, self.dir, ignore_errors=True)

    def install(self, *switches):
        # /D= must come last and unquoted.
        rc, out = wine(SETUP, "/S", *switches, f"/D={windows_path(self.dir)}")
        self.assertEqual(rc, 0, out)

    def uninstaller(self):
        # As the uninstaller does itself, a copy run from outside the folder with _?=, which
        # can delete the original; here it is waited for, where the original returns at once.
        copy = Path(tempfile.mkdtemp(prefix="qv318-uninstall-", dir=DRIVE_C))
        self.addCleanup(shutil.rmtree, copy, ignore_errors=True)
        shutil.copy(self.dir / "uninstall.exe", copy / "uninstall.exe")
        return [copy / "uninstall.exe", f"_?={windows_path(self.dir)}"]

    def uninstall(self, *switches):
        program, folder = self.uninstaller()
        rc, out = wine(program, "/S", *switches, folder)
        self.assertEqual(rc, 0, out)

    def assert_installed(self):
        self.assertEqual(files_under(self.dir), sorted(files_under(DIST) + ["uninstall.exe"]))
        for name in files_under(DIST):
            if name not in SETTINGS:
                self.assertEqual((self.dir / name).read_bytes(), (DIST / name).read_bytes(), name)
        entry = uninstall_entry()
        self.assertIsNotNone(entry, "no Apps-and-Features entry")
        exe = windows_path(self.dir / EXE)
        uninstaller = f'"{windows_path(self.dir / "uninstall.exe")}"'
        self.assertEqual(entry["DisplayName"], "QV318 Driver")
        self.assertEqual(entry["DisplayVersion"], VERSION)
        self.assertEqual(entry["DisplayIcon"], exe + ",0")
        self.assertEqual(entry["UninstallString"], uninstaller)
        self.assertEqual(entry["QuietUninstallString"], uninstaller + " /S")
        size = sum((self.dir / name).stat().st_size for name in files_under(self.dir)) / 1024
        self.assertAlmostEqual(int(entry["EstimatedSize"], 16), size, delta=len(files_under(self.dir)))
        self.assertTrue(SHORTCUT.is_file(), "no Start Menu shortcut")
        return entry

    def test_silent_install_upgrade_and_uninstall_keep_the_users_changed_settings(self):
        self.install("/STARTUP")
        entry = self.assert_installed()
        self.assertTrue(TASK.is_file(), "no logon task")

        version = dict(line.split("\t", 1) for line in
                       probe_ok("version", windows_path(self.dir / EXE)).splitlines())
        self.assertEqual(version["FILEVERSION"], VERSION + ".0")
        self.assertEqual(version["PRODUCTVERSION"], VERSION + ".0")
        self.assertEqual(version["FileVersion"], VERSION)
        self.assertEqual(version["ProductVersion"], VERSION)
        self.assertEqual(version["ProductName"], entry["DisplayName"])
        self.assertEqual(version["CompanyName"], entry["Publisher"])
        self.assertIn(entry["Publisher"], version["LegalCopyright"])
        self.assertTrue(version["FileDescription"])

        # The user's own settings, as an Apply and the skins dialog leave them.
        config = bytearray((self.dir / "config.bin").read_bytes())
        config[0], config[1] = 1, config[1] ^ 0xFF
        (self.dir / "config.bin").write_bytes(config)
        ini = (self.dir / "str.ini").read_bytes().replace("Carbon".encode("utf-16-le"),
                                                          "Frost".encode("utf-16-le"))
        (self.dir / "str.ini").write_bytes(ini)

        # Started with Windows, the program runs in the tray and holds its exe open.
        running = subprocess.Popen(["wine", EXE], cwd=self.dir, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        self.addCleanup(end, running)
        self.assertTrue(wait_until(lambda: main_window_count() >= 1, 30), "the program did not start")
        self.install()  # the upgrade; "Start with Windows" stays as chosen last time
        self.assertEqual(running.wait(15), 0, "the upgrade did not end the running program")
        # The program the silent upgrade ended is running again, from the new files.
        self.addCleanup(lambda: main_window_count() and probe("exit"))
        self.assertTrue(wait_until(lambda: main_window_count() >= 1, 30),
                        "the silent upgrade did not start the program again")
        self.assert_installed()
        self.assertEqual((self.dir / "config.bin").read_bytes(), bytes(config))
        self.assertEqual((self.dir / "str.ini").read_bytes(), ini)
        self.assertTrue(TASK.is_file(), "the upgrade dropped the logon task")

        self.uninstall()  # silent: it ends the program, and the settings stay
        self.assertTrue(wait_until(lambda: main_window_count() == 0, 15), "the uninstaller left the program running")
        self.assertEqual(files_under(self.dir), SETTINGS)
        self.assertEqual((self.dir / "config.bin").read_bytes(), bytes(config))
        self.assertEqual((self.dir / "str.ini").read_bytes(), ini)
        self.assertIsNone(uninstall_entry())
        self.assertFalse(SHORTCUT.exists())
        self.assertFalse(TASK.exists())

    def test_an_interactive_setup_asks_before_it_ends_the_running_program(self):
        self.install()
        running = subprocess.Popen(["wine", EXE], cwd=self.dir, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        self.addCleanup(end, running)
        self.assertTrue(wait_until(lambda: main_window_count() >= 1, 30), "the program did not start")
        setup = subprocess.Popen(["wine", SETUP], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(end, setup, lambda: probe("msgbox-ok"))
        self.assertTrue(wait_until(lambda: "is running" in probe("msgbox")[1], 30),
                        "setup did not ask before ending the program")
        window = xdotool("search", "--onlyvisible", "--name", "QV318 Driver Setup").split()[0]
        xdotool("windowfocus", "--sync", window, "key", "Escape")  # Cancel
        setup.wait(20)  # the installer is gone: nothing was installed over the running program
        self.assertIsNone(running.poll(), "Cancel ended the program all the same")
        self.assertEqual(main_window_count(), 1)

    def test_uninstall_asked_to_remove_settings_leaves_nothing(self):
        self.install()
        self.assert_installed()
        self.assertFalse(TASK.exists(), "a logon task nobody chose")
        self.uninstall("/REMOVESETTINGS")
        self.assertFalse(self.dir.exists(), files_under(self.dir) if self.dir.exists() else "")
        self.assertIsNone(uninstall_entry())
        self.assertFalse(SHORTCUT.exists())

    def test_uninstall_asks_about_the_settings_and_no_removes_them(self):
        self.install()
        running = subprocess.Popen(["wine", *map(str, self.uninstaller())], stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        self.addCleanup(end, running, lambda: key_to_uninstaller("Return"))  # Close
        self.assertTrue(wait_until(lambda: "Keep your settings" in probe("msgbox")[1], 20),
                        "the uninstaller did not ask about the settings")
        key_to_uninstaller("n")
        self.assertTrue(wait_until(lambda: "Keep your settings" not in probe("msgbox")[1], 10))
        key_to_uninstaller("Return")  # the confirmation page's Uninstall
        self.assertTrue(wait_until(lambda: not self.dir.exists(), 20),
                        files_under(self.dir) if self.dir.exists() else "")
        self.assertTrue(wait_until(lambda: uninstall_entry() is None, 10))


def key_to_uninstaller(key):
    window = xdotool("search", "--onlyvisible", "--name", "QV318 Driver Uninstall").split()[0]
    xdotool("windowfocus", "--sync", window, "key", key)


class ShippedExecutables(unittest.TestCase):
    def test_the_exes_ship_stripped_and_the_real_one_holds_nothing_of_the_simulator(self):
        # The zip and the installer hold the layout's files as they are (PortableZip,
        # Installer), so the layouts are what ships.
        for exe in (DIST / EXE, DIST_SIM / EXE, DIST / "qv318ctl.exe"):
            with self.subTest(exe=str(exe)):
                sections = subprocess.run(["x86_64-w64-mingw32-objdump", "-h", str(exe)],
                                          capture_output=True, text=True, check=True).stdout
                self.assertEqual([s for s in sections.split() if s.startswith(".debug_")], [])
                self.assertLess(exe.stat().st_size, 4 * 2**20)  # 13 MB with its debug information
        # Neither the simulated mouse's type (its RTTI name) nor its file names.
        real = (DIST / EXE).read_bytes().lower()
        for text in (b"simmouse", "simmouse".encode("utf-16-le")):
            self.assertTrue(text not in real, f"{text!r} in the real {EXE}")  # not a dump of the exe


class PortableZip(unittest.TestCase):
    def test_the_zip_holds_the_install_layout_byte_for_byte(self):
        with zipfile.ZipFile(ZIP) as archive:
            names = sorted(n for n in archive.namelist() if not n.endswith("/"))
            self.assertEqual(names, [f"QV318_Driver/{name}" for name in files_under(DIST)])
            for name in files_under(DIST):
                self.assertEqual(archive.read(f"QV318_Driver/{name}"), (DIST / name).read_bytes(), name)


if __name__ == "__main__":
    unittest.main()
