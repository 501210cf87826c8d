"""Sizes of the backgrounds and the bounds of the page's panels, from the layout.

The panels are placed around the rectangles the page draws in them, with a common
padding, and lined up with each other so that the page reads as one grid.
"""
from .layoutfile import Rect, union_all

PAGE_SIZE = (888, 668)      # the Cancel button ends at x 875, the web address at y 647
DIALOG_SIZE = (384, 312)    # Cancel ends at x 375
TITLE_BAR_HEIGHT = 30       # room for the title bar buttons (y 5..23)
DIALOG_TITLE_HEIGHT = 31    # the dialogs' close button is at y 6..24
DIALOG_FOOTER_TOP = 243     # the dialogs' OK and Cancel buttons start at y 253
PANEL_PAD = 10              # between a panel's edge and the nearest element inside
GUTTER = 10


class PageGeometry:
    def __init__(self, layout):
        L = layout
        self.layout = L
        key_items = [L.rect("kKeyAreaLabel"), L.rect("kModeAButton"), L.rect("kModeBButton"),
                     L.rect("kDefaultButton")] + L.rect("kKeyBoxes")[:L.num("kShownKeyCount")]
        rate_items = [L.rect("kRateLabel")] + L.rect("kRateSegments") + [L.rate_value_text(i) for i in range(4)]
        dpi_items = ([L.rect("kDpiLabel"), L.rect("kDpiColorLabel"), L.rect("kDpiSelectLabel")]
                     + [L.dpi_cell(s, k) for s in range(1, 5) for k in range(1, L.num("kDpiMaxLevels") + 1)]
                     + [L.dpi_level_label(k) for k in range(1, 13)] + [L.stage_digit_text(i) for i in range(4)])
        led_items = [L.rect("kLedAreaLabel")] + L.rect("kLedLabels") + L.rect("kLedBoxes")

        key = union_all(key_items).inflate(PANEL_PAD)
        rate = union_all(rate_items).inflate(PANEL_PAD)
        dpi = union_all(dpi_items).inflate(PANEL_PAD)
        led = union_all(led_items).inflate(PANEL_PAD - 5, PANEL_PAD)

        # One top line for the first row, one for the second, one bottom line, one right
        # edge for the right-hand column.
        top = min(key.top, rate.top) + 4
        bottom = max(key.bottom, dpi.bottom)
        right = max(rate.right, led.right) + 10
        margin = PAGE_SIZE[0] - right
        second_top = min(dpi.top, led.top) - 1
        self.key_panel = Rect(key.left, top, key.right + 3, bottom)
        self.rate_panel = Rect(self.key_panel.right + GUTTER, top, right, second_top - GUTTER)
        self.dpi_panel = Rect(self.rate_panel.left, second_top, dpi.right + 3, bottom)
        self.led_panel = Rect(self.dpi_panel.right + GUTTER, second_top, right, bottom)
        self.hero_panel = Rect(margin, top, self.key_panel.left - GUTTER, bottom)
        self.margin = margin
        # Each panel's header strip ends a little below its label.
        self.header_bottom = {
            "key": L.rect("kKeyAreaLabel").bottom + 2,
            "rate": L.rect("kRateLabel").bottom + 2,
            "dpi": L.rect("kDpiLabel").bottom + 2,
            "led": L.rect("kLedAreaLabel").bottom + 2,
        }
        self.footer_top = bottom + 10

    def panels(self):
        return {"hero": self.hero_panel, "key": self.key_panel, "rate": self.rate_panel,
                "dpi": self.dpi_panel, "led": self.led_panel}
