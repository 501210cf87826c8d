"""Both programs may run elevated (the tray program always, qv318ctl from an administrator's
prompt), so a DLL planted beside them under a system DLL's name must never be loaded: every
system DLL comes from System32."""

import os
import re
import shutil
import subprocess
import tempfile
import unittest
from pathlib import Path

from harness import App, DIST, DIST_SIM, EXE, PROBE, run_to_files
from page import show_page

CLI = "qv318ctl.exe"

PLANTED = PROBE.parent / "planted.dll"
# Wine prefers its own builtin DLLs wherever a native one lies; "n,b" makes it search as
# Windows does, the program's folder first, so a planted DLL would be found.
SYSTEM_DLLS = ["hid", "msimg32", "gdiplus", "comctl32", "oleacc"]

# Windows always maps these from System32 (its KnownDLLs), whatever lies beside the exe; any
# other DLL must be delay-loaded or loaded by hand from System32, and be planted below.
KNOWN_DLLS = {"advapi32", "comdlg32", "gdi32", "kernel32", "msvcrt", "ole32", "oleaut32",
              "setupapi", "shell32", "shlwapi", "user32"}


class StaticImports(unittest.TestCase):
    def test_every_shipped_exe_imports_only_known_dlls_before_main_runs(self):
        for exe in (DIST / EXE, DIST_SIM / EXE, DIST / CLI):
            dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", str(exe)],
                                  capture_output=True, text=True, check=True).stdout
            imported = {name.lower() for name in re.findall(r"DLL Name: (\S+)\.dll", dump, re.I)}
            self.assertLessEqual(imported, KNOWN_DLLS, str(exe))


class PlantedDlls(unittest.TestCase):
    def setUp(self):
        overrides = os.environ.get("WINEDLLOVERRIDES", "")
        self.addCleanup(os.environ.__setitem__, "WINEDLLOVERRIDES", overrides)
        os.environ["WINEDLLOVERRIDES"] = overrides + ";" + ",".join(SYSTEM_DLLS) + "=n,b"

    @staticmethod
    def plant(folder):
        for name in SYSTEM_DLLS:
            (folder / f"{name}.dll").write_bytes(PLANTED.read_bytes())

    @staticmethod
    def loaded(folder):
        return sorted(p.name for p in Path(folder).glob("*.loaded"))

    def run_with_planted_dlls(self, dist, show):
        app = App(dist)
        self.plant(app.dir)
        with app:
            if show:
                show_page()  # painting blends with msimg32
            loaded = self.loaded(app.dir)
        self.assertEqual(loaded, [], "a DLL from the program's folder was loaded")

    def test_the_real_build_opening_the_hid_bus_loads_no_planted_dll(self):
        self.run_with_planted_dlls(DIST, show=False)

    def test_the_simulated_build_painting_its_page_loads_no_planted_dll(self):
        self.run_with_planted_dlls(DIST_SIM, show=True)

    def test_qv318ctl_listing_the_hid_bus_loads_no_planted_dll(self):
        # Unzipped into Downloads beside whatever else was downloaded there.
        with tempfile.TemporaryDirectory(prefix="qv318ctl-planted-") as folder:
            folder = Path(folder)
            shutil.copy(DIST / CLI, folder)
            self.plant(folder)
            rc, out, err = run_to_files(["wine", CLI, "list"], 60, cwd=folder)
            self.assertEqual(self.loaded(folder), [], "a DLL from the program's folder was loaded")
            self.assertIn(rc, (0, 3), err)  # 3: no mouse, as under Wine
            self.assertIn("opened", out)


if __name__ == "__main__":
    unittest.main()
