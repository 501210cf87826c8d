"""The real build against a mouse in Wine's HID stack: the virtual mouse of tools/vmouse,
plugged in and out with vmousectl, answers through hidclass, hid.dll and setupapi and
announces itself with WM_DEVICECHANGE. Its answers come from the simulated mouse's core, so
the real build must do with it exactly what the simulated build does with its own."""

import os
import re
import shutil
import tempfile
import time
import unittest
from pathlib import Path

import test_page
from harness import (App, DIST, DIST_SIM, ROOT, balloon_texts, main_window_state, run_to_files,
                     tray_click, wait_until)
from page import click, show_page
from test_device import read_log, unscramble

VMOUSECTL = Path(os.environ.get("QV_VMOUSECTL", ROOT / "build/win/vmouse/vmousectl.exe"))
FOUND = "The system detect the gaming mouse."
MISSING = "The system did not detect the gaming mouse!"
READ_TRANSFERS = 17  # the status exchange, then command, answer and block five times
APPLY_TRANSFERS = 20  # the stage query, the write's status exchange and write, five blocks


def transfers(log):
    return read_log(log) if log.exists() else []


def channels(listed):
    """qv318ctl list without what tells the two mice apart: their paths and devices, and the
    collections the program does not use (the simulated mouse has no system control one)."""
    rc, out = listed
    lines = [re.sub(r"( at |: \\\\\?\\).*", "", line) for line in out.splitlines()]
    return rc, [line for line in lines if not line.startswith("  other collection")]


class VirtualMouse(unittest.TestCase):
    """A folder with the virtual mouse's memory and log; whatever a test plugs in is pulled out
    again, so the other modules see Wine's own devices only."""

    def setUp(self):
        self.work = Path(tempfile.mkdtemp(prefix="qv318-vmouse-"))
        self.addCleanup(shutil.rmtree, self.work, True)
        self.memory = self.work / "mouse.bin"
        self.log = self.work / "mouse.log"

    def vmousectl(self, *args):
        rc, out, err = run_to_files(["wine", str(VMOUSECTL), *args], 90, cwd=self.work)
        self.assertEqual(rc, 0, f"vmousectl {' '.join(args)}: {err.strip()}")
        return out

    def plug(self, unit=1):
        self.vmousectl("plug", self.memory.name, "--log", self.log.name, "--unit", str(unit))
        self.addCleanup(self.unplug_if_plugged, unit)

    def unplug_if_plugged(self, unit):
        if f"unit {unit}:" in self.vmousectl("list"):
            self.vmousectl("unplug", "--unit", str(unit))

    def wait_transfers(self, count, timeout=20):
        if not wait_until(lambda: len(transfers(self.log)) >= count, timeout):
            raise AssertionError(f"{len(transfers(self.log))} transfers reached the mouse, not {count}")
        time.sleep(0.3)  # the memory file is written right after the last block
        return transfers(self.log)

    def apply_and_wait(self):
        before = len(transfers(self.log))
        click(*test_page.APPLY)
        self.wait_transfers(before + APPLY_TRANSFERS)
        return self.memory.read_bytes()

    def test_start_up_reads_what_the_simulated_build_reads_past_a_device_that_refuses_opens(self):
        memory = os.urandom(322)
        sim = App(DIST_SIM)
        sim.path("simmouse.bin").write_bytes(memory)
        with sim:
            self.assertTrue(wait_until(lambda: len(transfers(sim.path("simmouse.log"))) >= READ_TRANSFERS))
            expected = read_log(sim.path("simmouse.log"), requests=True)

        self.memory.write_bytes(memory)
        # Listed before the mouse: its failed open must not make the mouse missing.
        self.vmousectl("foreign", "--unit", "2", "--refuse-open")
        self.addCleanup(self.unplug_if_plugged, 2)
        self.plug()
        with App(DIST):
            self.wait_transfers(READ_TRANSFERS)
            read = read_log(self.log, requests=True)
            self.assertEqual([e[1:] for e in read], [e[1:] for e in expected])
            # The protocol's pauses (100 ms after every block) in the same places.
            gaps = lambda log: [b[0] - a[0] for a, b in zip(log, log[1:])]
            for i, (sim_gap, gap) in enumerate(zip(gaps(expected), gaps(read))):
                if sim_gap >= 99:
                    self.assertGreaterEqual(gap, 99, f"no pause after transfer {i}")
            self.assertNotIn(MISSING, balloon_texts())
            tray_click(1)  # a connected mouse: the tray shows the window
            self.assertTrue(wait_until(lambda: main_window_state().startswith("visible"), 15))

    def test_an_edit_and_apply_reach_the_virtual_mouse_byte_for_byte(self):
        self.plug()
        with App(DIST):
            self.wait_transfers(READ_TRANSFERS)
            show_page()
            before = self.apply_and_wait()
            click(*test_page.RATE_125)
            after = self.apply_and_wait()
            written = transfers(self.log)[-APPLY_TRANSFERS:]
        expected = bytearray(before)
        expected[0] = 8  # 125 Hz
        self.assertEqual(after.hex(), bytes(expected).hex())
        blocks = [r for _, d, c, r in written if (d, c) == ("set", "data")]
        self.assertEqual(len(blocks), 5)
        for n, report in enumerate(blocks, start=1):
            clear = b"".join(unscramble(report[i:i + 8]) for i in range(1, 65, 8))
            self.assertEqual(clear, after[2 + 64 * (n - 1):2 + 64 * n], f"block {n}")

    def test_unplugged_the_window_hides_with_notice_15_and_plugged_again_the_mouse_is_read(self):
        self.plug()
        with App(DIST):
            self.wait_transfers(READ_TRANSFERS)
            show_page()
            # Four interface removals, the fourth acts: the mouse is gone.
            self.vmousectl("unplug", "--unit", "1")
            self.assertTrue(wait_until(lambda: MISSING in balloon_texts(), 15), balloon_texts())
            self.assertTrue(wait_until(lambda: main_window_state().startswith("hidden"), 10))
            # Four interface arrivals, the fourth opens and reads it again.
            self.vmousectl("plug", self.memory.name, "--log", self.log.name, "--unit", "1")
            self.wait_transfers(2 * READ_TRANSFERS)
            self.assertTrue(wait_until(lambda: FOUND in balloon_texts(), 15), balloon_texts())
            time.sleep(1)
            self.assertEqual(len(transfers(self.log)), 2 * READ_TRANSFERS, "one plug, one read")
            tray_click(1)
            self.assertTrue(wait_until(lambda: main_window_state().startswith("visible"), 15))

    def test_qv318ctl_prints_and_writes_what_it_does_with_the_simulated_mouse(self):
        memory = bytearray(os.urandom(322))
        memory[2 + 193] = 0  # DPI table 0, so that the set below is in its table
        self.memory.write_bytes(memory)
        (self.work / "sim.bin").write_bytes(memory)
        self.plug()
        ctl = lambda *args: run_to_files(["wine", str(DIST / "qv318ctl.exe"), *args], 60, cwd=self.work)[:2]
        for args in (["list"], ["dump", "--json"], ["set", "rate", "500"], ["dump"]):
            with self.subTest(args):
                virtual, simulated = ctl(*args), ctl("--sim", "sim.bin", *args)
                if args == ["list"]:
                    virtual, simulated = (channels(virtual), channels(simulated))
                self.assertEqual(virtual, simulated)
                self.assertEqual(virtual[0], 0)
        self.assertEqual(self.memory.read_bytes().hex(), (self.work / "sim.bin").read_bytes().hex())

    def test_with_two_mice_qv318ctl_reads_and_writes_one_of_them(self):
        # Wine lists the same interface of both mice together, the data channels first: a
        # channel already open must not be replaced by the other mouse's.
        first, second = bytearray(os.urandom(322)), bytearray(os.urandom(322))
        first[2 + 193] = second[2 + 193] = 0
        self.memory.write_bytes(first)
        other = self.work / "other.bin"
        other.write_bytes(second)
        (self.work / "sim.bin").write_bytes(first)
        self.plug(1)
        self.vmousectl("plug", other.name, "--log", "other.log", "--unit", "2")
        self.addCleanup(self.unplug_if_plugged, 2)
        ctl = lambda *args: run_to_files(["wine", str(DIST / "qv318ctl.exe"), *args], 60, cwd=self.work)[:2]
        self.assertEqual(ctl("dump", "--json"), ctl("--sim", "sim.bin", "dump", "--json"))
        self.assertEqual(ctl("set", "rate", "500")[0], 0)
        self.assertEqual(self.memory.read_bytes()[0], 2)  # 500 Hz
        self.assertEqual(other.read_bytes(), bytes(second))


if __name__ == "__main__":
    unittest.main()
