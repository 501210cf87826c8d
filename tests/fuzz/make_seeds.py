"""Writes the seed corpus of each fuzz target into tests/fuzz/corpus/<target>/. Run it again
after changing the order in which a target reads its input. The targets read through
libFuzzer's FuzzedDataProvider: byte runs and strings from the front of the input, numbers
and flags from its end (the last byte first)."""

import struct
from pathlib import Path

CORPUS = Path(__file__).resolve().parent / "corpus"
SIGNATURE = bytes([0xAA, 0xCC, 0xEE, 0xDD])


class Input:
    def __init__(self):
        self.front = bytearray()
        self.back = bytearray()  # in the order the target takes it

    def text(self, value):  # ConsumeRandomLengthString: "\\" escapes, "\\" + other ends
        self.front += value.encode("utf-8").replace(b"\\", b"\\\\") + b"\\ "

    def number(self, value, size):  # ConsumeIntegral: the last byte is the most significant
        self.back += value.to_bytes(size, "big")[::-1]

    def bytes(self):
        return bytes(self.front) + bytes(self.back[::-1])


def write(target, name, data):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def config_file_seeds(shipped):
    write("config_file", "shipped", shipped)
    write("config_file", "applied", b"\x01" + shipped[1:])
    write("config_file", "one-byte-long", shipped + b"\x00")
    write("config_file", "empty", b"")
    write("config_file", "name-twice", "D:\\QV318_Driver.exe\\QV318_Driver.exe".encode())


def settings_seed(language, names, colours, skin, green):
    data = Input()
    for value in [language, *names, *colours, skin]:
        data.text(value)
    data.number(green, 1)
    return data.bytes()


def settings_seeds():
    names = ["Left Click", "Right Click", "Mid Click", "DPI Loop"] + ["Key Off"] * 4
    write("settings", "english", settings_seed("EN", names * 2, ["0", "255", "0"], "Carbon", 255))
    write("settings", "chinese", settings_seed("CHS", ["左键"] * 16, ["300", "-5", " 12x"], "Frost", 7))
    write("settings", "odd-values", settings_seed("cht", [""] * 16, ["99999999999", "", "+"],
                                                  "..\\..\\Windows", 0))


def key_names_seed(lparam, index, key, name):
    data = Input()
    data.front += bytes(range(199))  # the record
    data.front += name.encode("utf-8")
    data.number(lparam, 4)
    data.number(index + 2**31, 4)  # ConsumeIntegral<int> counts from INT_MIN
    data.number(key + 2, 1)  # ConsumeIntegralInRange(-2, 10)
    return data.bytes()


def key_names_seeds():
    write("key_names", "known-name", key_names_seed(0x015C0001, 46, 4, "Right Windows"))
    write("key_names", "wine-name", key_names_seed(0x001C0001, 0, 1, "Return"))
    write("key_names", "wrong-case", key_names_seed(0x002A0001, 59, 8, "shift"))
    write("key_names", "past-the-lists", key_names_seed(0xFFFFFFFF, -1, 10, "Num 1 "))


def status(rate=1, stage=2):
    return bytes([1, *SIGNATURE, 0x80, rate, stage])


def block(n, selector):
    data = bytearray((n * 37 + i) & 0xFF for i in range(64))
    if n == 4:
        data[1] = selector  # block-set byte 193
    return bytes([0]) + bytes(data)


def mouse_answers_seed(selector=0, bad_status=False, failing_get=None):
    """Start-up read, then two Applies; every transfer succeeds except the get numbered
    failing_get (0-based among the gets)."""
    data = Input()
    data.front += bytes((i * 7) & 0xFF for i in range(199))  # the record
    gets = 0

    def set_():
        data.number(1, 1)

    def get(answer):
        nonlocal gets
        data.number(0 if gets == failing_get else 1, 1)
        data.front += answer
        gets += 1

    set_()
    get(bytes(8) if bad_status else status())
    for n in range(1, 6):
        set_()
        get(bytes([1, *SIGNATURE, 0x80 | n, 0, 0]))
        get(block(n, selector))
    for _ in range(2):  # Apply: status query, status write, five blocks
        set_()
        get(status())
        set_()
        get(status())
        set_()
        for n in range(1, 6):
            set_()
            get(bytes([1, *SIGNATURE, n, 0, 0]))
            set_()
    return data.bytes()


def mouse_answers_seeds():
    write("mouse_answers", "complete", mouse_answers_seed())
    write("mouse_answers", "no-signature", mouse_answers_seed(bad_status=True))
    write("mouse_answers", "block-3-lost", mouse_answers_seed(failing_get=6))
    write("mouse_answers", "unknown-dpi-table", mouse_answers_seed(selector=7))


if __name__ == "__main__":
    import sys
    shipped = Path(sys.argv[1]).read_bytes() if len(sys.argv) > 1 else bytes(200)
    assert len(shipped) == 200
    config_file_seeds(shipped)
    settings_seeds()
    key_names_seeds()
    mouse_answers_seeds()
