"""Reads the page and dialog rectangles from src/ui/layout.h.

The C++ header is the one place where the layout lives; the art is placed from it so a
moved rectangle moves its panel, frame or arrow at the next build. Only literal tables
are read: `inline constexpr Rect kName{l, t, r, b};`, `inline constexpr Rect kName[N] =
{{...}, ...};` and `inline constexpr int kName = v;` / `kName[N] = {a, b};`, inside
`namespace name {` blocks (a name in a block is read as "block.kName").
"""
import re
from collections import namedtuple


class Rect(namedtuple("Rect", "left top right bottom")):
    __slots__ = ()

    @property
    def width(self):
        return self.right - self.left

    @property
    def height(self):
        return self.bottom - self.top

    @property
    def cx(self):
        return (self.left + self.right) / 2

    @property
    def cy(self):
        return (self.top + self.bottom) / 2

    def inflate(self, dx, dy=None):
        dy = dx if dy is None else dy
        return Rect(self.left - dx, self.top - dy, self.right + dx, self.bottom + dy)

    def union(self, other):
        return Rect(min(self.left, other.left), min(self.top, other.top),
                    max(self.right, other.right), max(self.bottom, other.bottom))


def union_all(rects):
    rects = list(rects)
    out = rects[0]
    for r in rects[1:]:
        out = out.union(r)
    return out


_NUM = r"-?\d+"
_RECT_BODY = r"\{\s*(%s)\s*,\s*(%s)\s*,\s*(%s)\s*,\s*(%s)\s*\}" % (_NUM, _NUM, _NUM, _NUM)


class Layout:
    """Named rectangles and integers of layout.h."""

    def __init__(self, path):
        with open(path, encoding="utf-8") as f:
            text = f.read()
        text = re.sub(r"//[^\n]*", "", text)
        self.rects = {}
        self.ints = {}
        self._parse(text)

    def _parse(self, text):
        # Namespace blocks by matching braces; each statement belongs to the innermost
        # block around it. The outer "qv::layout" is not part of the names.
        blocks = []
        for m in re.finditer(r"namespace\s+([\w:]+)\s*\{", text):
            depth, i = 1, m.end()
            while depth and i < len(text):
                depth += {"{": 1, "}": -1}.get(text[i], 0)
                i += 1
            blocks.append((m.end(), i, m.group(1)))
        statement = re.compile(
            r"inline\s+constexpr\s+(Rect|int)\s+(\w+)\s*(\[[^\]]*\])?\s*=?\s*(\{.*?\}|[^;{]+)\s*;", re.S)
        for m in statement.finditer(text):
            kind, name, is_array, value = m.groups()
            scope = [b[2] for b in blocks if b[0] <= m.start() < b[1] and b[2] != "qv::layout"]
            qualified = ".".join(scope + [name])
            if kind == "Rect":
                found = [Rect(*map(int, g)) for g in re.findall(_RECT_BODY, value)]
                if found:
                    self.rects[qualified] = found if is_array else found[0]
            elif re.fullmatch(r"[\s\d,{}\-]*", value):  # a computed constant is not read
                nums = [int(n) for n in re.findall(_NUM, value)]
                self.ints[qualified] = nums if is_array else nums[0]

    def rect(self, name):
        return self.rects[name]

    def num(self, name):
        return self.ints[name]

    # The few rectangles the header computes with functions, done the same way here.
    def dpi_cell(self, stage, level):
        x = self.num("kDpiColumnX")[stage - 1]
        top = self.num("kDpiBottomCellTop") - self.num("kDpiCellPitch") * (level - 1)
        size = self.num("kDpiCellSize")
        return Rect(x, top, x + size, top + size)

    def dpi_level_label(self, level, wide=True):
        cell = self.dpi_cell(1, level)
        left = self.num("kDpiLabelLeftWide") if wide else self.num("kDpiLabelLeftNarrow")
        return Rect(left, cell.top, self.num("kDpiLabelRight"), cell.bottom)

    def rate_value_text(self, i):
        s = self.rect("kRateSegments")[i]
        return Rect(s.left, s.bottom + self.num("kRateValueGap"), s.right, s.bottom + self.num("kRateValueBottom"))

    def stage_digit_text(self, i):
        b = self.rect("kDpiStageBoxes")[i]
        return Rect(b.left, b.bottom + self.num("kStageDigitGap"), b.right, b.bottom + self.num("kStageDigitBottom"))

    def key_digit_text(self, i):
        b = self.rect("kKeyBoxes")[i]
        return Rect(b.left, b.top, b.left + self.num("kKeyDigitWidth"), b.bottom)

    def key_name_text(self, i):
        b = self.rect("kKeyBoxes")[i]
        return Rect(b.left + self.num("kKeyDigitWidth"), b.top, b.right, b.bottom)
