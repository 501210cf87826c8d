"""The window backgrounds: the connect screen, the settings page and the nine dialogs.

The program draws every text and every element image on top of these; what is drawn
here are the panels around those places, frames around the program's own controls
(value statics, edit fields, lists) and the drop-down arrows beside them.
"""
import math

from . import glyphs
from .geometry import DIALOG_FOOTER_TOP, DIALOG_SIZE, DIALOG_TITLE_HEIGHT, PAGE_SIZE, TITLE_BAR_HEIGHT, PageGeometry
from .layoutfile import Rect
from .palette import mix
from .svg import Svg, num


# Shared pieces -----------------------------------------------------------------------

def _window(s, p, w, h):
    s.rect(0, 0, w, h, fill=s.linear([(0, p.window), (1, p.window_edge)]))
    if p.pattern_opacity > 0:
        weave = s.pattern(6, 6, '<rect width="3" height="6" fill="%s"/><rect x="3" width="3" height="3" fill="%s"/>'
                          '<rect x="3" y="3" width="3" height="3" fill="%s" fill-opacity="0.5"/>'
                          % (p.pattern, p.pattern, p.pattern))
        s.rect(0, 0, w, h, fill=weave, opacity=p.pattern_opacity * 0.5)


def _title_bar(s, p, w, height, wing=True):
    s.rect(0, 0, w, height, fill=s.linear([(0, p.titlebar), (1, mix(p.titlebar, p.window, 0.5))]))
    s.line(0, height - 0.5, w, height - 0.5, stroke=p.panel_border)
    rule = s.linear([(0, p.accent, 0.0), (0.12, p.accent, 0.9), (0.45, p.accent, 0.25), (1, p.accent, 0.0)], x2=1, y2=0)
    s.rect(0, height - 1, w, 1, fill=rule)
    # The mark, a thin accent wing beside it.
    mh = height * 0.56
    mw = mh * 0.64
    glyphs.mouse_mark(s, 14, (height - mh) / 2, mw, mh, fill=p.accent, line=p.titlebar)
    if not wing:
        return
    wing = s.linear([(0, p.accent, 0.8), (1, p.accent, 0)], x2=1, y2=0)
    s.path("M%s,%s L%s,%s L%s,%s L%s,%s Z" % (num(14 + mw + 6), num(height / 2 - 1.5), num(14 + mw + 70), num(height / 2 - 1.5),
                                             num(14 + mw + 66), num(height / 2 + 1.5), num(14 + mw + 6), num(height / 2 + 1.5)),
           fill=wing)


def _title_plate(s, p, r, edge=None):
    """The light plate a title is drawn on in its fixed dark colour, in every skin."""
    s.rect(r.left, r.top, r.width, r.height, rx=r.height / 2, fill=s.linear([(0, p.title_plate), (1, p.title_plate_low)]),
           stroke=edge)
    s.line(r.left + r.height / 2, r.top + 1.5, r.right - r.height / 2, r.top + 1.5, stroke="#ffffff", stroke_opacity=0.35)


def _panel(s, p, r, header_bottom=None, accent_tab=True):
    rx = p.radius_panel
    shade = s.shadow(0, 2, 3, p.shadow, p.shadow_opacity)
    s.rect(r.left + 0.5, r.top + 0.5, r.width - 1, r.height - 1, rx,
           fill=s.linear([(0, p.panel_top), (0.35, p.panel), (1, p.panel)]), stroke=p.panel_border, filter=shade)
    if header_bottom is not None:
        l, t, rr, hb = r.left + 1, r.top + 1, r.right - 1, header_bottom
        k = rx - 1
        s.path("M%s,%s L%s,%s Q%s,%s %s,%s L%s,%s Q%s,%s %s,%s L%s,%s Z" % (
            l, hb, l, t + k, l, t, l + k, t, rr - k, t, rr, t, rr, t + k, rr, hb), fill=p.panel_header)
        s.line(r.left + 1, hb + 0.5, r.right - 1, hb + 0.5, stroke=p.panel_border)
        if accent_tab:
            s.rect(r.left + 1, r.top + 9, 3, hb - r.top - 16, rx=1.5, fill=p.accent)
    # Top edge highlight.
    s.line(r.left + rx, r.top + 1.5, r.right - rx, r.top + 1.5, stroke=p.highlight, stroke_opacity=p.highlight_opacity)


def _well(s, p, r, fill, rx=3):
    """A frame one pixel outside a control the program creates over r."""
    s.rect(r.left - 0.5, r.top - 0.5, r.width + 1, r.height + 1, rx, fill=fill, stroke=p.well_border)


def _selector(s, p, selector, display, fill, cell=None):
    """A drop-down box: the program's display static over `display`, the arrow beside it."""
    _well(s, p, selector, fill)
    arrow = Rect(display.right, selector.top, selector.right, selector.bottom)
    s.rect(arrow.left, arrow.top, arrow.width, arrow.height, rx=2, fill=cell or p.arrow_cell)
    s.line(arrow.left + 0.5, arrow.top, arrow.left + 0.5, arrow.bottom, stroke=p.well_border)
    glyphs.chevron_down(s, arrow.cx, arrow.cy + 0.5, min(arrow.width - 6, 8), p.well_glyph, width=1.6)


def _glow(s, cx, cy, r, color, opacity):
    s.circle(cx, cy, r, fill=s.radial([(0, color, opacity), (1, color, 0)]))


# The connect screen -------------------------------------------------------------------

def main_screen(p, layout):
    w, h = PAGE_SIZE
    s = Svg(w, h)
    _window(s, p, w, h)
    _title_bar(s, p, w, TITLE_BAR_HEIGHT)
    cx, cy = w / 2, h / 2 + 14
    _glow(s, cx, cy, 300, p.hero_glow, 0.9)
    for i, rr in enumerate((120, 190, 260)):
        s.circle(cx, cy, rr, fill="none", stroke=p.accent, stroke_opacity=0.16 - i * 0.045, stroke_width=1)

    # The mouse, its cable, the plug and the port it belongs in.
    mw, mh = 132, 208
    mx, my = cx - 150 - mw / 2, cy - mh / 2 + 6
    s.path(glyphs.mouse_body(mx, my, mw, mh), fill=s.linear([(0, p.panel_top), (1, p.panel)]),
           stroke=p.outline, stroke_width=2, filter=s.shadow(0, 6, 8, p.shadow, p.shadow_opacity))
    s.path(glyphs.mouse_split(mx, my, mw, mh), fill="none", stroke=p.outline, stroke_width=2, stroke_linecap="round")
    s.rect(mx + mw / 2 - 7, my + mh * 0.12, 14, mh * 0.19, rx=7, fill=p.control_low, stroke=p.outline, stroke_width=1.5)
    s.path("M%s,%s C%s,%s %s,%s %s,%s" % (num(mx + mw / 2), num(my), num(mx + mw / 2), num(my - 70),
                                         num(cx + 10), num(cy + 40), num(cx + 52), num(cy)),
           fill="none", stroke=p.outline, stroke_width=4, stroke_linecap="round")
    s.group(transform="translate(%s,%s) rotate(90)" % (num(cx + 52), num(cy)))
    glyphs.usb_plug(s, 0, -74, 44, p.glyph, p.control)
    s.end()
    # Dashes towards the port, then the port glowing in the accent.
    for i in range(3):
        x = cx + 132 + i * 16
        s.path("M%s,%s L%s,%s L%s,%s" % (num(x), num(cy - 7), num(x + 6), num(cy), num(x), num(cy + 7)),
               fill="none", stroke=p.accent, stroke_width=2.4, stroke_linecap="round", stroke_linejoin="round",
               opacity=0.35 + 0.25 * i)
    px = cx + 196
    _glow(s, px + 26, cy, 70, p.accent, p.glow_opacity * 0.8)
    s.rect(px, cy - 44, 52, 88, rx=9, fill=p.control_low, stroke=p.accent, stroke_width=2)
    s.rect(px + 12, cy - 28, 28, 56, rx=3, fill=p.well, stroke=p.accent, stroke_opacity=0.6)
    s.rect(px + 16, cy - 24, 9, 48, rx=1, fill=p.accent, fill_opacity=0.8)
    return s


# The settings page --------------------------------------------------------------------

def _hero(s, p, r):
    """The mouse shown in the left-hand panel."""
    cx = r.cx
    s.group(clip_path=s.clip_rect(r.left + 1, r.top + 1, r.width - 2, r.height - 2, p.radius_panel - 1))
    _glow(s, cx, r.top + r.height * 0.52, r.width * 0.62, p.hero_glow, 0.95)
    s.end()
    mw, mh = r.width * 0.56, r.width * 0.9
    mx, my = cx - mw / 2, r.top + r.height * 0.52 - mh / 2 + 10
    # Cable rising out of the panel.
    s.path("M%s,%s C%s,%s %s,%s %s,%s" % (num(cx), num(my + 2), num(cx), num(my - 50), num(cx + 40), num(my - 60),
                                         num(cx + 34), num(r.top + 1)),
           fill="none", stroke=p.outline, stroke_width=3.2, stroke_linecap="round")
    s.ellipse(cx, my + mh + 16, mw * 0.55, 9, fill=p.shadow, fill_opacity=p.shadow_opacity * 0.6, filter=s.blur(5))
    body = glyphs.mouse_body(mx, my, mw, mh)
    s.path(body, fill=s.linear([(0, mix(p.panel_top, p.highlight, 0.06)), (0.55, p.control), (1, p.control_low)]),
           stroke=p.outline, stroke_width=1.5)
    # Light strips along both flanks.
    for side in (-1, 1):
        x0 = cx + side * (mw / 2 - 5)
        s.path("M%s,%s C%s,%s %s,%s %s,%s" % (num(x0), num(my + mh * 0.42), num(x0), num(my + mh * 0.72),
                                             num(cx + side * mw * 0.3), num(my + mh * 0.9), num(cx + side * mw * 0.1), num(my + mh * 0.96)),
               fill="none", stroke=p.accent, stroke_width=2.4, stroke_linecap="round", filter=s.blur(1.6))
        s.path("M%s,%s C%s,%s %s,%s %s,%s" % (num(x0), num(my + mh * 0.42), num(x0), num(my + mh * 0.72),
                                             num(cx + side * mw * 0.3), num(my + mh * 0.9), num(cx + side * mw * 0.1), num(my + mh * 0.96)),
               fill="none", stroke=p.accent_light, stroke_width=1, stroke_linecap="round")
    s.path(glyphs.mouse_split(mx, my, mw, mh), fill="none", stroke=p.outline, stroke_width=1.5, stroke_linecap="round")
    ww = mw * 0.15
    s.rect(cx - ww / 2, my + mh * 0.11, ww, mh * 0.2, rx=ww / 2, fill=p.control_low, stroke=p.outline)
    for i in range(4):
        y = my + mh * 0.14 + i * mh * 0.04
        s.line(cx - ww / 2 + 2, y, cx + ww / 2 - 2, y, stroke=p.accent, stroke_opacity=0.7, stroke_width=1)
    s.rect(cx - ww * 0.35, my + mh * 0.335, ww * 0.7, mh * 0.045, rx=2, fill=p.accent, fill_opacity=0.85)
    # Side buttons.
    for i in range(2):
        s.rect(mx - 3, my + mh * (0.45 + i * 0.1), 5, mh * 0.075, rx=2.5, fill=p.control, stroke=p.outline)
    # Logo on the palm.
    glyphs.mouse_mark(s, cx - 6, my + mh * 0.66, 12, 18, fill=p.accent, line=p.control)


def page(p, layout):
    L = layout
    g = PageGeometry(L)
    w, h = PAGE_SIZE
    s = Svg(w, h)
    _window(s, p, w, h)
    _title_bar(s, p, w, TITLE_BAR_HEIGHT)

    # Header: back button and page title on one tab, a rule under them.
    back, title = L.rect("kBackButton"), L.rect("kPageTitle")
    tab = Rect(back.left - 8, title.top - 5, title.right + 6, title.bottom + 5)
    s.rect(tab.left, tab.top, tab.width, tab.height, rx=tab.height / 2, fill=p.panel, stroke=p.panel_border,
           filter=s.shadow(0, 2, 3, p.shadow, p.shadow_opacity))
    _title_plate(s, p, Rect(title.left - 1, title.top + 2, title.right, title.bottom - 2))
    rule_y = round((tab.bottom + g.key_panel.top) / 2) + 0.5
    s.line(g.margin, rule_y, w - g.margin, rule_y, stroke=p.panel_border)
    s.rect(g.margin, rule_y - 1, tab.right - g.margin, 2, fill=s.linear([(0, p.accent, 0.9), (1, p.accent, 0.0)], x2=1, y2=0))
    # Speed marks at the right end of the header.
    right = w - g.margin
    for i in range(7):
        x = right - 14 - i * 13
        s.path("M%s,%s L%s,%s L%s,%s L%s,%s Z" % (num(x), num(title.top + 8), num(x + 7), num(title.top + 8),
                                                 num(x - 5), num(title.bottom - 8), num(x - 12), num(title.bottom - 8)),
               fill=p.accent, fill_opacity=max(0.05, 0.5 - i * 0.07))

    # Panels.
    _panel(s, p, g.hero_panel)
    _hero(s, p, g.hero_panel)
    _panel(s, p, g.key_panel, g.header_bottom["key"])
    _panel(s, p, g.rate_panel, g.header_bottom["rate"])
    _panel(s, p, g.dpi_panel, g.header_bottom["dpi"])
    _panel(s, p, g.led_panel, g.header_bottom["led"])

    # Key setting: a quiet map of the mouse's keys in the free middle, a track under the
    # two Mode buttons.
    boxes = L.rect("kKeyBoxes")[:L.num("kShownKeyCount")]
    mode_a, mode_b, default = L.rect("kModeAButton"), L.rect("kModeBButton"), L.rect("kDefaultButton")
    kp = g.key_panel
    top, bottom = boxes[-1].bottom + 14, mode_a.top - 14
    s.line(kp.left + 12, bottom + 0.5, kp.right - 12, bottom + 0.5, stroke=p.panel_border)
    mh = (bottom - top) * 0.78
    mw = mh * 0.62
    mx, my = kp.cx - mw / 2, top + (bottom - top - mh) / 2
    s.path(glyphs.mouse_body(mx, my, mw, mh), fill="none", stroke=p.outline, stroke_width=1.2, stroke_opacity=0.55,
           stroke_dasharray="3 3")
    s.path(glyphs.mouse_split(mx, my, mw, mh), fill="none", stroke=p.outline, stroke_width=1.2, stroke_opacity=0.55,
           stroke_dasharray="3 3")
    for dot in L.rect("kKeyMapDots"):  # the program writes each key's number beside its dot
        s.circle(dot.cx, dot.cy, 3.2, fill=p.accent, fill_opacity=0.55)
    track = Rect(mode_a.left - 2, mode_a.top - 2, mode_b.right + 2, mode_b.bottom + 2)
    s.rect(track.left + 0.5, track.top + 0.5, track.width - 1, track.height - 1, rx=p.radius_control + 2,
           fill=p.groove, stroke=p.panel_border)

    # Report rate: a groove under the four segments, a tick under each, a gauge before them.
    segs = L.rect("kRateSegments")
    groove = Rect(segs[0].left - 4, segs[0].top - 4, segs[-1].right + 4, segs[-1].bottom + 4)
    s.rect(groove.left + 0.5, groove.top + 0.5, groove.width - 1, groove.height - 1, rx=p.radius_cell + 3,
           fill=p.groove, stroke=p.panel_border)
    for sg in segs:
        s.line(sg.cx, groove.bottom + 2, sg.cx, groove.bottom + 5, stroke=p.outline, stroke_width=1.5, stroke_linecap="round")
    gx, gy, gr = (g.rate_panel.left + groove.left) / 2 + 2, groove.cy + 5, 14
    s.path("M%s,%s A%s,%s 0 0 1 %s,%s" % (num(gx - gr), num(gy), gr, gr, num(gx + gr), num(gy)), fill="none",
           stroke=p.outline, stroke_width=3, stroke_linecap="round")
    s.path("M%s,%s A%s,%s 0 0 1 %s,%s" % (num(gx + gr * math.cos(math.radians(140))), num(gy - gr * math.sin(math.radians(140))),
                                          gr, gr, num(gx + gr), num(gy)), fill="none",
           stroke=p.accent, stroke_width=3, stroke_linecap="round")
    s.line(gx, gy, gx + 9 * math.cos(math.radians(40)), gy - 9 * math.sin(math.radians(40)), stroke=p.glyph,
           stroke_width=2, stroke_linecap="round")
    s.circle(gx, gy, 2.5, fill=p.glyph)

    # DPI stages: a groove per column with a faint slot for every level, a frame around
    # each colour swatch.
    levels = L.num("kDpiMaxLevels")
    for stage in range(1, 5):
        top_cell, low_cell = L.dpi_cell(stage, levels), L.dpi_cell(stage, 1)
        col = Rect(top_cell.left - 3, top_cell.top - 3, top_cell.right + 3, low_cell.bottom + 3)
        s.rect(col.left + 0.5, col.top + 0.5, col.width - 1, col.height - 1, rx=p.radius_cell + 2,
               fill=p.groove, stroke=p.panel_border)
        for k in range(1, levels + 1):
            c = L.dpi_cell(stage, k)
            s.rect(c.left + 1.5, c.top + 1.5, c.width - 3, c.height - 3, rx=2, fill="none", stroke=p.cell_off_border,
                   stroke_opacity=0.6)
    for sw in L.rect("kDpiSwatches"):
        s.rect(sw.left - 1.5, sw.top - 1.5, sw.width + 3, sw.height + 3, rx=3, fill=p.well, stroke=p.outline)
    for k in range(1, levels + 1):
        lab = L.dpi_level_label(k)
        s.line(lab.right + 2, lab.cy, L.dpi_cell(1, k).left - 4, lab.cy, stroke=p.outline, stroke_opacity=0.7)

    # LED lighting: each value box is the program's black static and our arrow; a ring of
    # light below them.
    for box, value in zip(L.rect("kLedBoxes"), L.rect("kLedValues")):
        _selector(s, p, box, value, p.well)
    lp = g.led_panel
    last = L.rect("kLedBoxes")[-1]
    ring_top = last.bottom + 16
    rcx, rcy = lp.cx, (ring_top + lp.bottom) / 2
    rr = min(lp.width, lp.bottom - ring_top) * 0.3
    s.group(clip_path=s.clip_rect(lp.left + 1, lp.top + 1, lp.width - 2, lp.height - 2, p.radius_panel - 1))
    _glow(s, rcx, rcy, rr * 2.1, p.hero_glow, 0.9)
    s.end()
    colors = (p.rgb_1, p.rgb_2, p.rgb_3)
    for i, c in enumerate(colors):
        a0, a1 = math.radians(90 + i * 120 + 8), math.radians(90 + (i + 1) * 120 - 8)
        d = "M%s,%s A%s,%s 0 0 0 %s,%s" % (num(rcx + rr * math.cos(a0)), num(rcy - rr * math.sin(a0)), num(rr), num(rr),
                                           num(rcx + rr * math.cos(a1)), num(rcy - rr * math.sin(a1)))
        s.path(d, fill="none", stroke=c, stroke_width=7, stroke_linecap="round", filter=s.blur(3), opacity=0.8)
        s.path(d, fill="none", stroke=c, stroke_width=3, stroke_linecap="round")
    glyphs.mouse_mark(s, rcx - rr * 0.28, rcy - rr * 0.45, rr * 0.56, rr * 0.9, fill=p.control, line=p.panel,
                      stroke=p.outline, stroke_width=1, wheel=p.accent)

    # Footer: a rule, the mark at the left.
    fy = g.footer_top + 0.5
    s.line(g.margin, fy, w - g.margin, fy, stroke=p.panel_border)
    ok = L.rect("kOkButton")
    glyphs.mouse_mark(s, g.margin + 4, ok.cy - 9, 12, 18, fill=p.accent, line=p.window)
    return s


# The dialogs --------------------------------------------------------------------------

def _dialog_base(s, p, layout):
    w, h = DIALOG_SIZE
    _window(s, p, w, h)
    _title_bar(s, p, w, DIALOG_TITLE_HEIGHT, wing=False)
    # Edged: a light skin's plate would melt into its light title bar.
    _title_plate(s, p, layout.rect("dialog.kTitle"), edge=p.panel_border)
    ok, cancel = layout.rect("dialog.kOk"), layout.rect("dialog.kCancel")
    band_top = DIALOG_FOOTER_TOP
    band_bottom = ok.bottom + (ok.top - band_top)
    s.rect(0, band_top, w, band_bottom - band_top, fill=p.panel_header)
    s.line(0, band_top + 0.5, w, band_top + 0.5, stroke=p.panel_border)
    s.rect(0, band_bottom, w, h - band_bottom, fill=s.linear([(0, mix(p.titlebar, p.window, 0.5)), (1, p.titlebar)]))
    s.line(0, band_bottom + 0.5, w, band_bottom + 0.5, stroke=p.panel_border)
    rule = s.linear([(0, p.accent, 0.0), (0.5, p.accent, 0.5), (1, p.accent, 0.0)], x2=1, y2=0)
    s.rect(0, h - 2, w, 1, fill=rule)
    s.rect(0.5, 0.5, w - 1, h - 1, fill="none", stroke=p.panel_border)


def _badge(s, p, cx, cy, r):
    _glow(s, cx, cy, r * 1.6, p.hero_glow, 0.95)
    s.circle(cx, cy, r, fill=s.linear([(0, p.panel_top), (1, p.panel)]), stroke=p.panel_border,
             filter=s.shadow(0, 3, 4, p.shadow, p.shadow_opacity))
    s.circle(cx, cy, r - 5, fill="none", stroke=p.accent, stroke_opacity=0.55, stroke_width=1.5)


BADGE = (292, 134, 46)


FLAME = ("M0.55,0 C0.6,0.3 1,0.45 0.95,0.9 C0.92,1.15 0.72,1.3 0.5,1.3 C0.28,1.3 0.05,1.15 0.05,0.88 "
         "C0.05,0.6 0.25,0.5 0.3,0.3 C0.38,0.45 0.42,0.55 0.45,0.6 C0.5,0.4 0.58,0.2 0.55,0 Z")
FLAME_CORE = ("M0.5,0.6 C0.56,0.8 0.75,0.9 0.72,1.07 C0.7,1.2 0.6,1.25 0.5,1.25 C0.4,1.25 0.3,1.2 0.28,1.07 "
              "C0.27,0.9 0.45,0.82 0.5,0.6 Z")


def _flame(s, p, cx, cy, size):
    """A flame for the rapid-fire dialog, in the palette's warm colours."""
    k = size
    s.group(transform="translate(%s,%s) scale(%s)" % (num(cx - k / 2), num(cy - k * 0.68), num(k)))
    s.path(FLAME, fill=s.linear([(0, p.flame_core), (0.55, p.flame), (1, p.danger)]))
    s.path(FLAME_CORE, fill=s.linear([(0, "#ffffff", 0.95), (1, p.flame_core)]))
    s.end()


def _keycap(s, p, cx, cy, size):
    s.rect(cx - size / 2, cy - size / 2, size, size, rx=size * 0.16, fill=p.control_low, stroke=p.accent, stroke_width=1.6)
    s.rect(cx - size / 2 + 5, cy - size / 2 + 4, size - 10, size - 12, rx=size * 0.12,
           fill=s.linear([(0, p.control), (1, p.control_low)]), stroke=p.outline)


def _dialog_glyph(s, p, kind):
    cx, cy, r = BADGE
    g = r * 0.55
    if kind == "fire":
        _flame(s, p, cx, cy + 1, g * 1.45)
    elif kind == "hot":
        _keycap(s, p, cx, cy, g * 1.6)
        s.path("M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s Z" % (
            num(cx + 3), num(cy - 13), num(cx - 8), num(cy + 1), num(cx - 1), num(cy + 1), num(cx - 4), num(cy + 11),
            num(cx + 8), num(cy - 4), num(cx + 1), num(cy - 4)), fill=p.accent)
    elif kind == "media":
        s.path("M%s,%s L%s,%s L%s,%s Z" % (num(cx - g * 0.55), num(cy - g * 0.6), num(cx + g * 0.45), num(cy),
                                           num(cx - g * 0.55), num(cy + g * 0.6)), fill=p.accent, stroke=p.accent,
               stroke_width=3, stroke_linejoin="round")
        for dx in (0.7, 0.95):
            s.rect(cx + g * dx - 2, cy - g * 0.5, 4, g, rx=2, fill=p.accent, fill_opacity=0.6 if dx > 0.8 else 0.9)
    elif kind == "single":
        _keycap(s, p, cx, cy, g * 1.7)
        s.rect(cx - 7, cy + 2, 14, 2.5, rx=1.2, fill=p.accent)
    elif kind == "snipe":
        s.circle(cx, cy, g * 0.85, fill="none", stroke=p.accent, stroke_width=2)
        s.circle(cx, cy, g * 0.4, fill="none", stroke=p.accent, stroke_width=1.2, stroke_opacity=0.6)
        for a in range(4):
            ang = math.radians(a * 90)
            s.line(cx + math.cos(ang) * g * 0.5, cy + math.sin(ang) * g * 0.5, cx + math.cos(ang) * g * 1.1,
                   cy + math.sin(ang) * g * 1.1, stroke=p.accent, stroke_width=2, stroke_linecap="round")
        s.circle(cx, cy, 2.5, fill=p.danger)
    elif kind == "windows":
        wd, ht = g * 1.9, g * 1.5
        x0, y0 = cx - wd / 2, cy - ht / 2
        s.rect(x0, y0, wd, ht, rx=4, fill=p.control_low, stroke=p.accent, stroke_width=1.6)
        s.line(x0, y0 + 8, x0 + wd, y0 + 8, stroke=p.accent, stroke_width=1.2)
        for i in range(3):
            s.circle(x0 + 5 + i * 5, y0 + 4, 1.3, fill=p.accent)
        tw, th = (wd - 14) / 2, (ht - 18) / 2
        for i in range(2):
            for j in range(2):
                s.rect(x0 + 5 + i * (tw + 4), y0 + 12 + j * (th + 3), tw, th, rx=2, fill=p.accent,
                       fill_opacity=0.85 if (i + j) % 2 == 0 else 0.45)
    elif kind == "profile-name":
        # Two setups on cards, the front one being named.
        for dx, dy, opacity in ((6, -6, 0.45), (0, 0, 1.0)):
            x0, y0 = cx - g * 0.8 + dx, cy - g * 0.6 + dy
            s.rect(x0, y0, g * 1.6, g * 1.2, rx=3, fill=p.control_low, stroke=p.accent, stroke_width=1.6,
                   stroke_opacity=opacity)
        for i in range(3):
            s.rect(cx - g * 0.55, cy - g * 0.3 + i * 6, g * (1.1 - 0.3 * i), 2.5, rx=1.2, fill=p.accent,
                   fill_opacity=0.9 - 0.25 * i)
    elif kind == "skins":
        glyphs.palette_glyph(s, cx, cy, g * 0.95, p.accent, [p.rgb_1, p.rgb_2, p.rgb_3, p.accent_light], None, width=2.2)


def _plate(s, p, r):
    """A button the program names with a centred text over it."""
    s.rect(r.left + 0.5, r.top + 0.5, r.width - 1, r.height - 1, rx=p.radius_control,
           fill=s.linear([(0, p.control), (1, p.control_low)]), stroke=p.control_border)


def _profiles(s, p, L):
    """The manage dialog: no badge, the whole width is the dialog's."""
    well = p.dialog_well
    for name in ("kList", "kPrograms", "kHotKeyField", "kFullPathBox"):
        _well(s, p, L.rect("profiles_dialog." + name), well)
    for r in L.rect("profiles_dialog.kActions") + [L.rect("profiles_dialog.kUnbind"), L.rect("profiles_dialog.kBrowse")]:
        _plate(s, p, r)
    _selector(s, p, L.rect("profiles_dialog.kRunningSelector"), L.rect("profiles_dialog.kRunningDisplay"), well)
    # A rule between the profile's actions and what chooses it.
    x = (L.rect("profiles_dialog.kActions")[0].right + L.rect("profiles_dialog.kPrograms").left) / 2
    s.line(x + 0.5, 40, x + 0.5, 236, stroke=p.panel_border)


def dialog(p, layout, kind):
    L = layout
    w, h = DIALOG_SIZE
    s = Svg(w, h)
    _dialog_base(s, p, L)
    if kind == "profiles":
        _profiles(s, p, L)
        return s
    _badge(s, p, *BADGE)
    _dialog_glyph(s, p, kind)
    well = p.dialog_well
    if kind == "profile-name":
        _well(s, p, L.rect("profile_name_dialog.kField").inflate(1), well)
    elif kind == "fire":
        _selector(s, p, L.rect("fire_dialog.kSelector"), L.rect("fire_dialog.kDisplay"), well)
        for field in ("kTimesField", "kMakeTimeField", "kBreakTimeField"):
            f = L.rect("fire_dialog." + field)
            _well(s, p, f.inflate(1), well)
        # A thin guide between the fields and the notes under them.
        note = L.rect("fire_dialog.kTimeRangeNote")
        s.line(note.left, note.top - 3.5, w - note.left, note.top - 3.5, stroke=p.panel_border)
    elif kind == "single":
        prompt, display = L.rect("single_key_dialog.kPrompt"), L.rect("single_key_dialog.kKeyDisplay")
        card = Rect(prompt.left - 11, prompt.top - 10, prompt.right + 11, display.bottom + 12)
        s.rect(card.left + 0.5, card.top + 0.5, card.width - 1, card.height - 1, rx=p.radius_panel,
               fill=p.prompt_plate, stroke=p.panel_border, filter=s.shadow(0, 2, 3, p.shadow, p.shadow_opacity))
        _well(s, p, display.inflate(1), well)
    elif kind == "skins":
        swatch = L.rect("skins_dialog.kSwatch")
        s.rect(swatch.left - 2.5, swatch.top - 2.5, swatch.width + 5, swatch.height + 5, rx=4, fill=p.well,
               stroke=p.outline)
        _selector(s, p, L.rect("skins_dialog.kSelector"), L.rect("skins_dialog.kDisplay"), well)
    else:
        prefix = {"hot": "hot_key_dialog", "media": "media_dialog", "snipe": "snipe_dialog",
                  "windows": "windows_dialog"}[kind]
        sel = L.rect(prefix + ".kSelector")
        _selector(s, p, sel, L.rect(prefix + ".kDisplay"), well)
        # An accent mark before the selector, a rule under where it stands.
        s.rect(sel.left - 12, sel.top + 3, 3, sel.height - 6, rx=1.5, fill=p.accent)
    return s


DIALOGS = {
    "fire-key.png": "fire",
    "hot-key.png": "hot",
    "media-key.png": "media",
    "single-key.png": "single",
    "snipe-key.png": "snipe",
    "windows-key.png": "windows",
    "skins.png": "skins",
    "profile-name.png": "profile-name",
    "profiles.png": "profiles",
}


def builders(layout):
    out = {
        "main.png": lambda p: main_screen(p, layout),
        "BasicSet2.png": lambda p: page(p, layout),
    }
    for name, kind in DIALOGS.items():
        out[name] = (lambda k: lambda p: dialog(p, layout, k))(kind)
    return out
