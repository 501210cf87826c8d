#!/usr/bin/env python3
"""Renders every skin and composes pictures to judge it by eye.

For each skin in palettes/: a contact sheet of every image (name and size under each,
small ones also enlarged, on a checkerboard that shows transparency), a mock-up of the
settings page as the program paints it (element images at their rectangles, sample
texts in the skin's text colour, the program's black value statics), the same page with
a key list and an LED list open, and the seven dialogs with their controls and texts.
The pictures are SVG compositions of the rendered PNGs, rendered with rsvg-convert.

  preview.py OUTDIR
"""
import os
import subprocess
import sys

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import render  # noqa: E402
from skinart.geometry import DIALOG_SIZE, PAGE_SIZE  # noqa: E402
from skinart.layoutfile import Layout, Rect  # noqa: E402
from skinart.palette import Palette  # noqa: E402
from skinart.svg import Svg  # noqa: E402

# The program's fonts: Arial with a 14 px cell (about 12.5 px em) for small texts, Tahoma
# bold with an 18 px cell for the page title.
SMALL = dict(font_family="Liberation Sans, Arial", font_size=12.5)
LARGE = dict(font_family="Tahoma, DejaVu Sans", font_size=15, font_weight="bold")
ASCENT = 0.905
WHITE, CONTROL_GREY = "#ffffff", "#282828"


def text(s, r, content, color, fmt="center", font=SMALL):
    """DrawText into r: 'center', 'left', 'right' (all vertically centred) or 'top'."""
    em = font["font_size"]
    cell = em * 1.12
    if fmt == "top":
        baseline = r.top + em * ASCENT
    else:
        baseline = r.cy - cell / 2 + em * ASCENT
    anchor, x = {"center": ("middle", r.cx), "top": ("middle", r.cx), "left": ("start", r.left),
                 "right": ("end", r.right)}[fmt]
    clip = s.clip_rect(r.left, r.top, r.width, r.height)
    s.group(clip_path=clip)
    s.text(x, baseline, content, fill=color, text_anchor=anchor, **font)
    s.end()


def readable_on_black(color):
    """The LED value boxes' text as the program draws it: the text colour where it reads on
    their black (a contrast of 4.5:1 or more), white where it does not."""
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (int(color[i:i + 2], 16) for i in (1, 3, 5))
    luminance = 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b)
    return color if (luminance + 0.05) / 0.05 >= 4.5 else WHITE


def static(s, r, content, color, bg, fmt="center", sunken=False):
    """A static control of the program: its own background and (sunken) edge."""
    s.rect(r.left, r.top, r.width, r.height, fill=bg)
    if sunken:
        s.path("M%s,%s L%s,%s L%s,%s" % (r.left + 0.5, r.bottom, r.left + 0.5, r.top + 0.5, r.right, r.top + 0.5),
               fill="none", stroke="#a0a0a0")
        s.path("M%s,%s L%s,%s L%s,%s" % (r.left + 1, r.bottom - 0.5, r.right - 0.5, r.bottom - 0.5, r.right - 0.5, r.top + 1),
               fill="none", stroke="#ffffff")
    if content:
        text(s, r.inflate(-2, 0) if fmt != "center" else r, content, color, fmt)


def listbox(s, r, items, color, bg, selected=None):
    s.rect(r.left + 0.5, r.top + 0.5, r.width - 1, r.height - 1, fill=bg, stroke="#646464")
    y = r.top + 1
    for i, item in enumerate(items):
        row = Rect(r.left + 1, y, r.right - 1, y + 16)
        if row.bottom > r.bottom - 1:
            break
        if i == selected:
            s.rect(row.left, row.top, row.width, row.height, fill="#3875d7")
        text(s, Rect(row.left + 2, row.top, row.right, row.bottom), item, WHITE if i == selected else color, "left")
        y += 16


class Mock:
    def __init__(self, skin_dir, out_dir, palette, layout):
        self.skin_dir, self.out_dir, self.p, self.L = skin_dir, out_dir, palette, layout
        self.rel = os.path.relpath(skin_dir, out_dir)

    def img(self, s, name, x, y, scale=1.0):
        w, h = self.size(name)
        s.image(os.path.join(self.rel, name), x, y, w * scale, h * scale)

    def size(self, name):
        out = subprocess.run(["identify", "-format", "%w %h", os.path.join(self.skin_dir, name)],
                             check=True, capture_output=True, text=True).stdout.split()
        return int(out[0]), int(out[1])

    def at(self, s, name, r):
        self.img(s, name, r.left, r.top)

    def save(self, s, name):
        svg_path = os.path.join(self.out_dir, name + ".svg")
        png_path = os.path.join(self.out_dir, name + ".png")
        with open(svg_path, "w", encoding="utf-8") as f:
            f.write(s.markup())
        subprocess.run(["rsvg-convert", "-o", png_path, svg_path], check=True)
        os.remove(svg_path)
        return png_path

    # The settings page ----------------------------------------------------------------
    def page(self, lists_open=False):
        L, p = self.L, self.p
        tc = p.text_hex
        s = Svg(*PAGE_SIZE)
        self.img(s, "BasicSet2.png", 0, 0)
        self.at(s, "button-Skins-normal.png", L.rect("kSkinsButton"))
        self.at(s, "button-min-normal.png", L.rect("kHideButton"))
        self.at(s, "button-close-over.png" if lists_open else "button-close-normal.png", L.rect("kCloseButton"))
        self.at(s, "button-PrePage-over.png" if lists_open else "button-PrePage-normal.png", L.rect("kBackButton"))
        text(s, L.rect("kPageTitle"), "Basic Settings", "#424242", "center", LARGE)
        for key, label, over in (("kOkButton", "OK", False), ("kApplyButton", "Apply", not lists_open),
                                 ("kCancelButton", "Cancel", False), ("kDefaultButton", "Default", False),
                                 ("kModeAButton", "Mode A", True), ("kModeBButton", "Mode B", False)):
            self.at(s, "button-over.png" if over else "button-normal.png", L.rect(key))
            text(s, L.rect(key), label, tc)
        text(s, L.rect("kWebAddress"), "www.velmo.example", tc)
        text(s, L.rect("kKeyAreaLabel"), "Key Setting", tc)
        text(s, L.rect("kRateLabel"), "Report Rate Setting", tc)
        text(s, L.rect("kDpiLabel"), "DPI Setting", tc)
        text(s, L.rect("kLedAreaLabel"), "DPI Effect", tc)
        names = ["Left Click", "Right Click", "Mid Click", "DPI Loop"]
        for i in range(4):
            over = (i == 1 and not lists_open)
            self.at(s, "DropdownBox-over.png" if over else "DropdownBox-normal.png", L.rect("kKeyBoxes")[i])
            text(s, L.key_digit_text(i), str(i + 1), tc, "left")
            text(s, L.key_name_text(i), names[i], tc, "left")
        for i, seg in enumerate(L.rect("kRateSegments")):
            self.at(s, "slider-RP-light.png" if i == 3 else "slider-RP-dark.png", seg)
            text(s, L.rate_value_text(i), ("125", "250", "500", "1000")[i], tc, "top")
        values = [500, 1000, 1500, 1750, 2000, 2500, 3000, 3500, 4000, 5000, 6000, 7000]
        for k in range(1, 13):
            text(s, L.dpi_level_label(k, wide=True), str(values[k - 1]), tc, "right")
        levels, on = (3, 5, 8, 10), (True, True, True, False)
        colors = ("#ff3030", "#30e060", "#3070ff", "#ffd020")
        for st in range(4):
            for k in range(1, 13):
                lit = on[st] and k <= levels[st]
                self.at(s, "slider-DPI-light.png" if lit else "slider-DPI-dark.png", L.dpi_cell(st + 1, k))
            sw = L.rect("kDpiSwatches")[st]
            s.rect(sw.left, sw.top, sw.width, sw.height, fill=colors[st])
            self.at(s, "PaneMakingTick.png" if on[st] else "Pane.png", L.rect("kDpiStageBoxes")[st])
            text(s, L.stage_digit_text(st), str(st + 1), tc, "top")
        text(s, L.rect("kDpiColorLabel"), "Color", tc, "right")
        text(s, L.rect("kDpiSelectLabel"), "Select", tc, "right")
        for r, label, value in zip(L.rect("kLedLabels"), ("Mode", "Parameter", "Effect"), L.rect("kLedValues")):
            text(s, r, label, tc, "right")
        for r, value in zip(L.rect("kLedValues"), ("Neon", "2.5S", "RGB Effect")):
            static(s, r, value, readable_on_black(tc), "#000000")
        if lists_open:
            keys = ["Left Click", "Right Click", "Mid Click", "Forward", "Backward", "DPI Switch", "Windows",
                    "Multimedia", "HotKey", "Fire Key", "Single Key", "Snipe Key", "Key Off", "Shift"]
            lst = L.rect("kKeyLists")[0]
            listbox(s, lst, keys, WHITE, "#000000", selected=5)
            sub = Rect(lst.left + lst.width - 4, lst.top + 5 * 16 + 1, lst.left + lst.width - 4 + 60, lst.top + 5 * 16 + 61)
            listbox(s, sub, ["DPI +", "DPI -", "DPI Loop"], WHITE, "#000000")
            speeds = ["%gS" % ((i + 1) * 0.5) for i in range(30)]
            listbox(s, L.rect("kLedParameterListNeon"), speeds, WHITE, "#000000", selected=4)
        return self.save(s, "page%s-%s" % ("-lists" if lists_open else "", self.p.name))

    # The dialogs ----------------------------------------------------------------------
    def dialog(self, s, name, x0, y0, kind, list_open=False):
        L, p = self.L, self.p
        tc = p.text_hex
        s.group(transform="translate(%d,%d)" % (x0, y0))
        self.img(s, name, 0, 0)
        cancel_over = kind == "hot"
        self.at(s, "button-normal.png", L.rect("dialog.kOk"))
        self.at(s, "button-over.png" if cancel_over else "button-normal.png", L.rect("dialog.kCancel"))
        text(s, L.rect("dialog.kOk"), "OK", tc)
        text(s, L.rect("dialog.kCancel"), "Cancel", tc)
        self.at(s, "button-close-over.png" if kind == "media" else "button-close-normal.png", L.rect("dialog.kClose"))
        if kind == "fire":
            static(s, L.rect("fire_dialog.kDisplay"), "L-Button", WHITE, CONTROL_GREY, "center", sunken=True)
            for field, label, value in (("kTimesField", "Times", "1"), ("kMakeTimeField", "Make Time", "32"),
                                        ("kBreakTimeField", "Break Time", "32")):
                static(s, L.rect("fire_dialog." + field), value, WHITE, CONTROL_GREY)
                text(s, L.rect("fire_dialog." + field.replace("Field", "Label")), label, tc, "right")
            text(s, L.rect("fire_dialog.kTimeRangeNote"), "Time (value range 5-255)", tc, "left")
            text(s, L.rect("fire_dialog.kTimesRangeNote"),
                 "Times (value range 0-127,0 indicates fire key to end when the key released)", tc, "left")
        elif kind == "single":
            text(s, L.rect("single_key_dialog.kPrompt"), "Please enter a key", WHITE)
            static(s, L.rect("single_key_dialog.kKeyDisplay"), "Space", WHITE, CONTROL_GREY, "center", sunken=True)
        elif kind == "skins":
            text(s, L.rect("skins_dialog.kPrompt"), "Please click to set the UI text color", tc)
            sw = L.rect("skins_dialog.kSwatch")
            s.rect(sw.left, sw.top, sw.width, sw.height, fill=tc)
            static(s, L.rect("skins_dialog.kDisplay"), p.name, WHITE, CONTROL_GREY, "left", sunken=True)
            if list_open:
                listbox(s, L.rect("skins_dialog.kList"), ["Carbon", "Frost"], WHITE, CONTROL_GREY, selected=1)
        else:
            prefix, value, items = {
                "hot": ("hot_key_dialog", "Copy", ["Copy", "Cut", "Paste", "Select all", "Open", "New", "Save", "Undo"]),
                "media": ("media_dialog", "Next", ["Next", "Previous", "Stop", "Play/Pause", "Mute", "Vol+", "Vol-"]),
                "snipe": ("snipe_dialog", "250", ["250", "500", "750", "1000", "1250", "1500", "1750", "2000"]),
                "windows": ("windows_dialog", "Multimedia Player",
                            ["Multimedia Player", "Mail", "Calculator", "My Computer", "Browser-Search",
                             "Browser-Home", "Browser-Back", "Browser-Forward", "Browser-Refresh"]),
            }[kind]
            static(s, L.rect(prefix + ".kDisplay"), value, WHITE, CONTROL_GREY, "left", sunken=True)
            if list_open:
                listbox(s, L.rect(prefix + ".kList"), items, WHITE, CONTROL_GREY, selected=2)
        s.end()

    def dialogs(self):
        w, h = DIALOG_SIZE
        gap, label = 16, 18
        tiles = [("fire-key.png", "fire", False), ("hot-key.png", "hot", False), ("media-key.png", "media", False),
                 ("single-key.png", "single", False), ("snipe-key.png", "snipe", False),
                 ("windows-key.png", "windows", False), ("skins.png", "skins", False),
                 ("windows-key.png", "windows", True)]
        cols = 4
        rows = (len(tiles) + cols - 1) // cols
        s = Svg(cols * (w + gap) + gap, rows * (h + gap + label) + gap)
        s.rect(0, 0, s.width, s.height, fill="#7f8790")
        for i, (name, kind, open_) in enumerate(tiles):
            x = gap + (i % cols) * (w + gap)
            y = gap + (i // cols) * (h + gap + label)
            s.text(x, y + 12, name + (" (list open)" if open_ else "") + "  %dx%d" % self.size(name), fill="#ffffff",
                   font_family="DejaVu Sans", font_size=12)
            self.dialog(s, name, x, y + label, kind, open_)
        return self.save(s, "dialogs-%s" % self.p.name)

    # The contact sheet ----------------------------------------------------------------
    def contact(self, names):
        small = [n for n in names if self.size(n)[0] < 300]
        large = [n for n in names if self.size(n)[0] >= 300]
        width = 1320
        s = Svg(width, 10)
        body = []
        x, y, row_h = 16, 16, 0
        cells = []
        for n in small:
            w, h = self.size(n)
            zoom = 4 if w <= 40 else 2
            tile_w = max(w * zoom + w + 24, len("%s  %dx%d" % (n, w, h)) * 7 + 8)
            tile_h = max(h * zoom, 40) + 34
            if x + tile_w > width - 16:
                x, y = 16, y + row_h + 12
                row_h = 0
            cells.append((n, x, y, zoom))
            x += tile_w + 12
            row_h = max(row_h, tile_h)
        y += row_h + 24
        scale = 0.5
        x, row_h = 16, 0
        for n in large:
            w, h = self.size(n)
            tw, th = max(w * scale, len(n) * 7 + 190), h * scale + 22
            if x + tw > width - 16:
                x, y = 16, y + row_h + 14
                row_h = 0
            cells.append((n, x, y, -scale))
            x += tw + 16
            row_h = max(row_h, th)
        s.height = int(y + row_h + 16)
        checker = s.pattern(16, 16, '<rect width="16" height="16" fill="#9aa0a8"/><rect width="8" height="8" fill="#b9bec5"/>'
                            '<rect x="8" y="8" width="8" height="8" fill="#b9bec5"/>')
        s.rect(0, 0, s.width, s.height, fill=checker)
        for n, x, y, zoom in cells:
            w, h = self.size(n)
            label = "%s  %dx%d" % (n, w, h)
            if zoom > 0:
                self.img(s, n, x, y + 18)
                self.img(s, n, x + w + 12, y + 18, zoom)
            else:
                self.img(s, n, x, y + 18, -zoom)
                label += "  (shown at 50%)"
            s.rect(x - 2, y, len(label) * 7 + 4, 15, fill="#000000", fill_opacity=0.6)
            s.text(x, y + 11, label, fill="#ffffff", font_family="DejaVu Sans Mono", font_size=11)
        return self.save(s, "contact-%s" % self.p.name)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = os.path.abspath(sys.argv[1])
    palettes = sorted(f for f in os.listdir(os.path.join(HERE, "palettes")) if f.endswith(".ini"))
    layout = Layout(render.DEFAULT_LAYOUT)
    written = []
    for f in palettes:
        palette = Palette(os.path.join(HERE, "palettes", f))
        skin_dir = os.path.join(out, "Skins", palette.name)
        svg_dir = os.path.join(out, "svg", palette.name)
        render.render_skin(type("Args", (), dict(palette=palette.path, layout=render.DEFAULT_LAYOUT,
                                                  svg_dir=svg_dir, out_dir=skin_dir)))
        mock = Mock(skin_dir, out, palette, layout)
        # The sheet shows each image once: its @1.5x and @2x variants are the same drawing.
        written.append(mock.contact([n for n in render.image_names() if "@" not in n]))
        written.append(mock.page())
        written.append(mock.page(lists_open=True))
        written.append(mock.dialogs())
    icon_png = os.path.join(out, "icon.png")
    render.render_icon(type("Args", (), dict(palette=os.path.join(HERE, "palettes", "Carbon.ini"),
                                             svg_dir=os.path.join(out, "svg", "icon"), out=os.path.join(out, "app.ico"))))
    subprocess.run(["convert", os.path.join(out, "app.ico"), "-background", "#7f8790", "-gravity", "south",
                    "-splice", "0x0", "+append", icon_png], check=True)
    written.append(icon_png)
    for path in written:
        print(path)


if __name__ == "__main__":
    main()
