"""The device link seen from outside: what crosses the wire to the simulated mouse."""

import os
import unittest

from harness import (App, DIST, DIST_SIM, balloon_texts, main_window_state, probe_ok,
                     tray_click, wait_until)

KEY = int.from_bytes(bytes.fromhex("5c1e93d42768e1"), "big")
MASK = (1 << 56) - 1
SIGNATURE = bytes.fromhex("aaccee dd".replace(" ", ""))


def rotl(value, bits):
    return ((value << bits) | (value >> (56 - bits))) & MASK


def unscramble(unit):
    """The mouse's side of the 8-byte unit scrambling, written from the wire format."""
    value = rotl(int.from_bytes(unit[1:8], "big"), 3) ^ KEY
    value = rotl(value, 56 - 2)
    return unit[:1] + value.to_bytes(7, "big")


def read_log(path, requests=False):
    """The transfers of simmouse.log; with requests, the get requests ("ask") as well."""
    entries = []
    for line in path.read_text().splitlines():
        ms, direction, channel, *hexbytes = line.split(" ")
        if direction != "ask" or requests:
            entries.append((int(ms), direction, channel, bytes(int(h, 16) for h in hexbytes)))
    return entries


class StartupRead(unittest.TestCase):
    def test_simulated_build_reads_status_and_five_blocks_in_order_with_pauses(self):
        memory = os.urandom(322)
        app = App(DIST_SIM)
        app.path("simmouse.bin").write_bytes(memory)
        with app:
            log = wait_until(lambda: app.path("simmouse.log").exists() and
                             len(read_log(app.path("simmouse.log"))) >= 17 and
                             read_log(app.path("simmouse.log")), 15)
            self.assertTrue(log, "the read did not reach the mouse")
            self.assertEqual(len(log), 17)
            expected = [("set", "cmd"), ("get", "cmd")] + [("set", "cmd"), ("get", "cmd"),
                                                             ("get", "data")] * 5
            self.assertEqual([(d, c) for _, d, c, _ in log], expected)
            # Each get asks its channel for that channel's own report id.
            entries = read_log(app.path("simmouse.log"), requests=True)
            asks = [(c, r) for (_, d, c, r), (_, after, _, _) in zip(entries, entries[1:])
                    if d == "ask" and after == "get"]
            self.assertEqual(asks, [("cmd", b"\x01")] + [("cmd", b"\x01"), ("data", b"\x00")] * 5)

            commands = [unscramble(r) for _, _, c, r in log if c == "cmd"]
            for report in commands:
                self.assertEqual(len(report), 8)
                self.assertEqual(report[0], 1)
                self.assertEqual(report[1:5], SIGNATURE)
            sent = [r[5] for (_, d, c, _), r in zip([e for e in log if e[2] == "cmd"], commands)
                    if d == "set"]
            self.assertEqual(sent, [0x80, 0x81, 0x82, 0x83, 0x84, 0x85])
            status = commands[1]
            self.assertEqual(status[6:8], memory[0:2])

            blocks = [r for _, _, c, r in log if c == "data"]
            for n, report in enumerate(blocks, start=1):
                self.assertEqual(len(report), 65)
                self.assertEqual(report[0], 0)
                clear = b"".join(unscramble(report[i:i + 8]) for i in range(1, 65, 8))
                self.assertEqual(clear, memory[2 + 64 * (n - 1):2 + 64 * n], f"block {n}")

            # 100 ms after every data report before the next block is announced.
            for i, (ms, _, channel, _) in enumerate(log[:-1]):
                if channel == "data":
                    self.assertGreaterEqual(log[i + 1][0] - ms, 99)

            tray_click(1)
            self.assertTrue(wait_until(lambda: main_window_state().startswith("visible"), 15))

    def test_real_build_without_a_mouse_starts_with_notice_15_and_writes_no_log(self):
        with App(DIST) as app:
            self.assertTrue(wait_until(
                lambda: "The system did not detect the gaming mouse!" in balloon_texts(), 10))
            self.assertFalse(app.path("simmouse.log").exists())


# The simulated mouse's data channel, spelt as the system spells a notification.
MOUSE_INTERFACE = (r"\\?\HID#VID_04D9&PID_A09E&MI_00#7&2A4B6C8D&0&0000#"
                   r"{4D1E55B2-F16F-11CF-88CB-001111000030}")
OTHER_INTERFACE = (r"\\?\HID#VID_046D&PID_C077#7&1f2e&0&0000#"
                   r"{4d1e55b2-f16f-11cf-88cb-001111000030}")
ARRIVAL, REMOVAL = 0x8000, 0x8004


class PlugEvents(unittest.TestCase):
    def test_a_burst_of_notices_is_settled_by_one_read_of_what_is_present_whatever_their_number(self):
        app = App(DIST_SIM)
        with app:
            lines = lambda: len(read_log(app.path("simmouse.log")))
            self.assertTrue(wait_until(lambda: app.path("simmouse.log").exists() and lines() == 17))
            # The start-up goes on after its read, and a notice during it is read after it (the
            # read may have missed the change): the tray shows the window once it is over.
            tray_click(1)
            self.assertTrue(wait_until(lambda: main_window_state().startswith("visible"), 15))
            probe_ok("close")
            self.assertTrue(wait_until(lambda: main_window_state().startswith("hidden"), 10))
            # The mouse pulled and plugged again, another device between: two notices name it,
            # where a plug of the real mouse brings four.
            for event, name in ((REMOVAL, MOUSE_INTERFACE), (ARRIVAL, OTHER_INTERFACE),
                                (ARRIVAL, MOUSE_INTERFACE)):
                self.assertEqual(probe_ok("devchange", event, name).strip(), "1")
            self.assertTrue(wait_until(lambda: lines() >= 34, 15), "the mouse plugged again was not read")
            self.assertTrue(wait_until(
                lambda: "The system detect the gaming mouse." in balloon_texts(), 15),
                balloon_texts())
            tray_click(1)
            self.assertTrue(wait_until(lambda: main_window_state().startswith("visible"), 15))
            self.assertEqual(lines(), 34, "one burst, one read")


if __name__ == "__main__":
    unittest.main()
