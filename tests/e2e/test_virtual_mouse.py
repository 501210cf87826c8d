"""The real build against a mouse in Wine's HID stack: the virtual mouse of tools/vmouse,
plugged in and out with vmousectl, answers through hidclass, hid.dll and setupapi and
announces itself with WM_DEVICECHANGE. Its answers come from the simulated mouse's core, so
the real build must do with it exactly what the simulated build does with its own."""

import os
import re
import shutil
import subprocess
import tempfile
import unittest
from pathlib import Path

import test_page
from harness import (App, DIST, DIST_SIM, ROOT, balloon_texts, main_window_count, main_window_state, probe,
                     probe_ok, run_to_files, tray_click, wait_until)
from page import click, show_page
from test_device import read_log, unscramble
from test_lists import choose, open_list, KEY_BOX_3, KEY_LIST_3

VMOUSECTL = Path(os.environ.get("QV_VMOUSECTL", ROOT / "build/win/vmouse/vmousectl.exe"))
FOUND = "The system detect the gaming mouse."
MISSING = "The system did not detect the gaming mouse!"
NOT_ON_MOUSE_YET = "your changes are not on it yet"
UNFINISHED = "The last write to the mouse did not finish."
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
        # The mouse saves its memory before it logs the transfer: the file is final by then.
        return transfers(self.log)

    def apply_and_wait(self):
        before = len(transfers(self.log))
        click(*test_page.APPLY)
        self.wait_transfers(before + APPLY_TRANSFERS)
        return self.memory.read_bytes()

    def ctl(self, *args):
        return run_to_files(["wine", str(DIST / "qv318ctl.exe"), *args], 60, cwd=self.work)

    def made_memory(self, name, *changes):
        """A memory file the program itself could have left: the default memory with the
        changes made by qv318ctl, so that an Apply without edits writes it back unchanged."""
        for change in changes:
            rc, _, err = self.ctl("--sim", name, "set", *change)
            self.assertEqual(rc, 0, err)
        return (self.work / name).read_bytes()

    def edit_key_3_and_stage_2(self, key_3_entry):
        """Key 3 (block 3 of the memory) to a list entry, stage 2 (blocks 4 and 5) toggled."""
        open_list(KEY_BOX_3, KEY_LIST_3)
        choose(KEY_LIST_3, key_3_entry)
        click(*test_page.STAGE_2_BOX)

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
            tray_click(1)
            self.assertTrue(wait_until(lambda: main_window_state().startswith("visible"), 15))
            # The plug returned once every interface had been announced, and the window handles
            # the announcements before the click that showed it: a second read would be logged.
            self.assertEqual(len(transfers(self.log)), 2 * READ_TRANSFERS, "one plug, one read")

    def test_pulled_during_the_start_up_read_the_mouse_counts_as_missing(self):
        self.plug()
        app = App(DIST)
        self.addCleanup(app.stop)
        app.process = app.launch()
        # The read has begun: five blocks and half a second of pauses are still to come.
        self.assertTrue(wait_until(lambda: len(transfers(self.log)) >= 1, 30, 0.005))
        self.vmousectl("unplug", "--unit", "1")
        if len(transfers(self.log)) >= READ_TRANSFERS:
            self.skipTest("the unplug came after the read had ended: nothing here to judge")
        self.assertTrue(wait_until(lambda: MISSING in balloon_texts(), 15), balloon_texts())
        tray_click(1)  # no mouse: the tray says so again and the window stays hidden
        self.assertTrue(wait_until(lambda: main_window_state().startswith("hidden"), 10))
        self.assertEqual(probe("msgbox")[0], 1, "no box of a transfer to a mouse believed there")

    def test_a_second_unit_or_a_foreign_device_changes_nothing_and_the_unit_left_is_read_first(self):
        first = self.made_memory("mouse.bin", ["rate", "250"])
        second = self.made_memory("other.bin", ["rate", "500"], ["light", "neon", "2.5", "flash"])
        other, other_log = self.work / "other.bin", self.work / "other.log"
        self.plug(1)
        with App(DIST):
            self.wait_transfers(READ_TRANSFERS)
            show_page()
            self.vmousectl("plug", other.name, "--log", other_log.name, "--unit", "2")
            self.addCleanup(self.unplug_if_plugged, 2)
            self.vmousectl("foreign", "--unit", "3")
            self.addCleanup(self.unplug_if_plugged, 3)
            self.vmousectl("unplug", "--unit", "1")
            # The mouse open changed: the one left is read before anything else.
            if not wait_until(lambda: len(transfers(other_log)) >= READ_TRANSFERS, 20):
                raise AssertionError(f"unit 2 was not read: {len(transfers(other_log))} transfers")
            self.assertTrue(wait_until(lambda: FOUND in balloon_texts(), 15), balloon_texts())
            self.assertEqual(len(transfers(self.log)), READ_TRANSFERS, "unit 1 was read once, at start")
            self.assertEqual(len(transfers(other_log)), READ_TRANSFERS, "unit 2 was read once, when it was left")
            show_page()
            click(*test_page.RATE_125)
            click(*test_page.APPLY)
            # Unit 2 gets its own settings and the one edit, not unit 1's image.
            expected = bytes([8]) + second[1:]
            wait_until(lambda: other.read_bytes() == expected, 20)
            self.assertEqual(other.read_bytes().hex(), expected.hex())
        self.assertEqual(self.memory.read_bytes().hex(), first.hex())

    def test_edits_stay_on_the_page_across_an_unplug_and_a_plug_and_apply_sends_them(self):
        self.made_memory("mouse.bin", ["rate", "500"])
        self.plug()
        with App(DIST):
            self.wait_transfers(READ_TRANSFERS)
            show_page()
            click(*test_page.RATE_125)
            self.vmousectl("unplug", "--unit", "1")
            self.assertTrue(wait_until(lambda: MISSING in balloon_texts(), 15), balloon_texts())
            self.vmousectl("plug", self.memory.name, "--log", self.log.name, "--unit", "1")
            self.wait_transfers(2 * READ_TRANSFERS)
            self.assertTrue(wait_until(lambda: any(NOT_ON_MOUSE_YET in t for t in balloon_texts()), 15),
                            balloon_texts())
            show_page()
            after = self.apply_and_wait()
        self.assertEqual(after[0], 8, "the 125 Hz chosen while the mouse was away")

    def test_a_write_cut_short_is_finished_by_one_apply_after_a_restart(self):
        self.made_memory("mouse.bin", ["rate", "500"])
        self.plug()
        app = App(DIST)
        self.addCleanup(app.stop)
        app.start()
        self.wait_transfers(READ_TRANSFERS)
        show_page()
        clean = self.apply_and_wait()
        self.edit_key_3_and_stage_2(1)  # Right Click
        edited = self.apply_and_wait()
        self.edit_key_3_and_stage_2(2)  # Mid Click again, stage 2 back
        self.assertEqual(self.apply_and_wait().hex(), clean.hex())
        # Once more, pulled out after block 3 landed (the program held in the pause after it):
        # blocks 4 and 5 stay the old ones.
        self.edit_key_3_and_stage_2(1)
        before = len(transfers(self.log))
        click(*test_page.APPLY)
        block_3_written = before + 2 + 2 + 1 + 3 * 3  # the stage query, the status, three blocks
        self.assertTrue(wait_until(lambda: len(transfers(self.log)) >= block_3_written, 20, 0.005))
        probe_ok("suspend")
        try:
            self.vmousectl("unplug", "--unit", "1")
        finally:
            probe_ok("resume")
        self.assertTrue(wait_until(lambda: probe("msgbox")[0] == 0, 15), "the cut write said nothing")
        probe_ok("msgbox-ok")
        self.assertTrue(wait_until(lambda: MISSING in balloon_texts(), 15), balloon_texts())
        half = self.memory.read_bytes()
        self.assertNotEqual(half.hex(), clean.hex(), "block 3 did not land")
        self.assertNotEqual(half.hex(), edited.hex(), "the write was not cut")
        self.assertTrue(app.path("config.unfinished").exists())
        # A restart in between: the program knows from its own files.
        probe_ok("exit")
        self.assertEqual(app.exit_code(), 0)
        self.assertTrue(wait_until(lambda: main_window_count() == 0, 10))
        self.vmousectl("plug", self.memory.name, "--log", self.log.name, "--unit", "1")
        read_before = len(transfers(self.log))
        app.start()
        self.wait_transfers(read_before + READ_TRANSFERS)
        self.assertTrue(wait_until(lambda: UNFINISHED in " ".join(balloon_texts()), 15), balloon_texts())
        show_page()
        click(*test_page.APPLY)
        wait_until(lambda: self.memory.read_bytes() == edited, 20)
        self.assertEqual(self.memory.read_bytes().hex(), edited.hex(), "one Apply finishes the write")
        self.assertTrue(wait_until(lambda: not app.path("config.unfinished").exists(), 10))

    def test_qv318ctl_and_the_window_take_turns_and_the_window_reads_before_it_writes(self):
        self.made_memory("mouse.bin", ["rate", "500"])
        self.plug()
        with App(DIST):
            self.wait_transfers(READ_TRANSFERS)
            show_page()
            click(*test_page.RATE_125)
            start = len(transfers(self.log))
            with open(self.work / "ctl.err", "wb") as err:
                ctl = subprocess.Popen(["wine", str(DIST / "qv318ctl.exe"), "set", "light", "neon", "2.5", "flash"],
                                       cwd=self.work, stdout=subprocess.DEVNULL, stderr=err)
            try:
                # qv318ctl holds the mouse once its first transfer is there; Apply comes meanwhile.
                self.assertTrue(wait_until(lambda: len(transfers(self.log)) > start, 30, 0.01))
                click(*test_page.APPLY)
                self.assertEqual(ctl.wait(60), 0, (self.work / "ctl.err").read_text(errors="replace"))
            finally:
                if ctl.poll() is None:
                    ctl.kill()
                    ctl.wait(10)
            # qv318ctl: read, write, read-back; then the window: read (it waited), stage, write.
            ctl_transfers, window_transfers = 17 + 18 + 17, 17 + 2 + 18
            log = self.wait_transfers(start + ctl_transfers + window_transfers)[start:]
            self.assertTrue(wait_until(lambda: "The mouse has taken your settings." in balloon_texts(), 15))
        read, write = [0x80, 0x81, 0x82, 0x83, 0x84, 0x85], [0x80, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05]
        commands = [unscramble(r)[5] for _, d, c, r in log if (d, c) == ("set", "cmd")]
        self.assertEqual(commands, read + write + read + read + [0x80] + write, "the transfers interleaved")
        self.assertEqual(self.memory.read_bytes()[0], 8, "the window's 125 Hz, written last")

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


class NewPrefix(unittest.TestCase):
    """vmousectl in a Wine prefix of its own that no program has used yet, beside the project's
    prefix (not on tmpfs: a prefix takes some hundred megabytes), with a Wine server that the
    test holds, as the README says, and ends."""

    def setUp(self):
        parent = Path.home() / ".cache/qv318"
        parent.mkdir(parents=True, exist_ok=True)
        self.work = Path(tempfile.mkdtemp(prefix="vmouse-new-prefix-", dir=parent))
        self.addCleanup(shutil.rmtree, self.work, True)
        prefix = self.work / "prefix"
        prefix.mkdir()  # empty: the server needs the folder, the first program fills it
        self.env = dict(os.environ, WINEPREFIX=str(prefix))
        self.hold_server()
        self.addCleanup(self.end_server)

    def hold_server(self):
        subprocess.run(["wineserver", "-p"], env=self.env, check=True, timeout=30)

    def end_server(self):
        subprocess.run(["wineserver", "-k"], env=self.env, timeout=60)
        subprocess.run(["wineserver", "-w"], env=self.env, timeout=60)

    def wine(self, *args):
        return run_to_files(["wine", *map(str, args)], 120, cwd=self.work, env=self.env)

    def plug(self):
        return self.wine(VMOUSECTL, "plug", "mouse.bin", "--log", "mouse.log")

    def test_the_first_command_creates_the_prefix_plugs_the_mouse_and_qv318ctl_reads_it(self):
        memory = os.urandom(322)
        (self.work / "mouse.bin").write_bytes(memory)
        (self.work / "sim.bin").write_bytes(memory)
        rc, _, err = self.plug()
        self.assertEqual(rc, 0, err)
        dumped = self.wine(DIST / "qv318ctl.exe", "dump", "--json")
        self.assertEqual(dumped[:2], self.wine(DIST / "qv318ctl.exe", "--sim", "sim.bin", "dump", "--json")[:2])
        self.assertEqual(dumped[0], 0, dumped[2])

    def test_a_session_booted_twice_is_told_at_once_and_the_next_session_installs_the_bus(self):
        # The first program of a new prefix boots it; this boot starts a second service manager.
        self.assertEqual(self.wine("wineboot", "-i")[0], 0)
        rc, _, err = self.plug()
        self.assertEqual(rc, 1)
        self.assertIn("two service managers", err)
        self.assertIn("wineserver -k", err)
        self.end_server()
        self.hold_server()
        rc, _, err = self.plug()
        self.assertEqual(rc, 0, err)
        self.assertIn("unit 1: mouse 04D9:A09E", self.wine(VMOUSECTL, "list")[1])


if __name__ == "__main__":
    unittest.main()
