"""The program icon: the mouse mark in the accent colour on a dark rounded tile."""
from . import glyphs
from .svg import Svg

# 16, 20, 24 and 32: the tray's small icon at 100, 125, 150 and 200 %.
ICON_SIZES = (16, 20, 24, 32, 48, 256)


def icon(p, size):
    s = Svg(size, size)
    k = size / 32.0
    tile = "#15181d"
    rx = 7 * k
    s.rect(0.5 * k, 0.5 * k, size - k, size - k, rx, fill=s.linear([(0, "#262b33"), (1, "#0c0e11")]),
           stroke="#3a414b" if size >= 32 else None, stroke_width=k if size >= 32 else None)
    if size >= 48:
        s.circle(size / 2, size * 0.55, size * 0.42, fill=s.radial([(0, p.accent, 0.35), (1, p.accent, 0)]))
    # The mark fills most of the tile; small sizes get a slightly wider, bolder shape.
    h = size * (0.78 if size <= 16 else 0.74)
    w = h * (0.7 if size <= 16 else 0.64)
    x, y = (size - w) / 2, (size - h) / 2 + size * 0.02
    if size <= 16:
        x += 0.5  # puts the one-pixel button split on a pixel column
    body = s.linear([(0, p.accent_light), (0.35, p.accent), (1, p.accent_deep)])
    glyphs.mouse_mark(s, x, y, w, h, fill=body, line=tile)
    return s
