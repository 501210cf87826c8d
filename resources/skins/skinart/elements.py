"""The element images: buttons, boxes, cells, sized to the rectangles they are drawn at.

Every element has a normal and a second state (hover, selected, lit or ticked) of the
same size and outline; all of them have transparent rounded corners.
"""
from . import glyphs
from .palette import mix
from .svg import Svg


def _frame(svg, w, h, rx, fill, stroke, p, highlight=True):
    svg.rect(0.5, 0.5, w - 1, h - 1, rx, fill=fill, stroke=stroke, stroke_width=1)
    if highlight:
        svg.line(rx + 0.5, 1.5, w - rx - 0.5, 1.5, stroke=p.highlight, stroke_opacity=p.highlight_opacity, stroke_width=1)


def text_button(p, w, h, over):
    """OK, Apply, Cancel, Mode A/B, Default and the dialogs' OK and Cancel."""
    s = Svg(w, h)
    rx = p.radius_control
    if not over:
        fill = s.linear([(0, p.control), (1, p.control_low)])
        _frame(s, w, h, rx, fill, p.control_border, p)
    else:
        fill = s.linear([(0, p.control_over), (1, p.control_over_low)])
        _frame(s, w, h, rx, fill, p.accent, p)
        s.rect(1.5, 1.5, w - 3, h - 3, rx - 1, fill="none", stroke=p.accent, stroke_opacity=p.glow_opacity * 0.6)
        bar = s.linear([(0, p.accent, 0), (0.5, p.accent, 1), (1, p.accent, 0)], x2=1, y2=0)
        s.rect(8, h - 3.5, w - 16, 1.5, rx=0.75, fill=bar)
    return s


def dropdown_box(p, w, h, over, digit_width):
    """A key box: the digit stands in the free space at the left, the name on the body."""
    s = Svg(w, h)
    rx = p.radius_control
    left = digit_width - 5 + 0.5          # the body starts 5 px before the name
    arrow = h - 1                         # square arrow cell at the right end
    body_w = w - left - 0.5
    if over:
        fill = s.linear([(0, p.control_over), (1, p.control_over_low)])
        stroke = p.accent
    else:
        fill = s.linear([(0, p.control_low), (1, mix(p.control_low, p.panel, 0.5))])
        stroke = p.control_border
    s.rect(left, 0.5, body_w, h - 1, rx, fill=fill, stroke=stroke, stroke_width=1)
    s.line(left + rx, 1.5, w - rx - 0.5, 1.5, stroke=p.highlight, stroke_opacity=p.highlight_opacity)
    ax = w - arrow
    s.line(ax + 0.5, 4, ax + 0.5, h - 4, stroke=stroke if over else p.control_border, stroke_opacity=0.8)
    glyphs.chevron_down(s, ax + arrow / 2 + 0.5, h / 2, 7, p.accent if over else p.glyph)
    if over:
        s.rect(left + 1.5, 1.5, body_w - 2, h - 3, rx - 1, fill="none", stroke=p.accent, stroke_opacity=p.glow_opacity * 0.5)
        s.rect(left - 4.5, 4, 2, h - 8, rx=1, fill=p.accent)
    return s


def rate_segment(p, w, h, lit):
    s = Svg(w, h)
    rx = min(p.radius_cell, h / 2)
    if lit:
        fill = s.linear([(0, p.accent_light), (0.45, p.accent), (1, p.accent_deep)])
        s.rect(0.5, 0.5, w - 1, h - 1, rx, fill=fill, stroke=p.accent_deep, stroke_width=1)
        s.line(rx + 1, 1.5, w - rx - 1, 1.5, stroke="#ffffff", stroke_opacity=0.45)
    else:
        s.rect(0.5, 0.5, w - 1, h - 1, rx, fill=p.cell_off, stroke=p.cell_off_border, stroke_width=1)
        s.line(rx + 1, h - 1.5, w - rx - 1, h - 1.5, stroke=p.highlight, stroke_opacity=p.highlight_opacity * 0.6)
    return s


def dpi_cell(p, w, h, lit):
    s = Svg(w, h)
    rx = p.radius_cell
    if lit:
        fill = s.radial([(0, p.accent_light), (0.55, p.accent), (1, p.accent_deep)], cx=0.5, cy=0.35, r=0.75)
        s.rect(0.5, 0.5, w - 1, h - 1, rx, fill=fill, stroke=p.accent_deep, stroke_width=1)
        s.rect(3, 2, w - 6, 2, rx=1, fill="#ffffff", fill_opacity=0.4)
    else:
        s.rect(0.5, 0.5, w - 1, h - 1, rx, fill=p.cell_off, stroke=p.cell_off_border, stroke_width=1)
        s.rect(4.5, 4.5, w - 9, h - 9, rx=1, fill="none", stroke=p.cell_off_border, stroke_opacity=0.9)
    return s


def stage_box(p, w, h, on):
    """The on/off box under a DPI column."""
    s = Svg(w, h)
    rx = p.radius_cell
    if on:
        fill = s.linear([(0, p.accent), (1, p.accent_deep)])
        s.rect(0.5, 0.5, w - 1, h - 1, rx, fill=fill, stroke=p.accent_deep, stroke_width=1)
        glyphs.check(s, 0, 0, w, p.tick, width=2.0)
    else:
        s.rect(0.5, 0.5, w - 1, h - 1, rx, fill=p.control_low, stroke=p.outline, stroke_width=1)
    return s


def _small_button(p, w, h, over, hover_fill=None):
    s = Svg(w, h)
    rx = p.radius_control
    if over:
        fill = hover_fill or s.linear([(0, p.control_over), (1, p.control_over_low)])
        stroke = hover_fill or p.accent
    else:
        fill = s.linear([(0, p.control), (1, p.control_low)])
        stroke = p.control_border
    s.rect(0.5, 0.5, w - 1, h - 1, rx, fill=fill, stroke=stroke, stroke_width=1)
    return s


def close_button(p, w, h, over):
    s = _small_button(p, w, h, over, hover_fill=p.danger)
    glyphs.cross(s, w / 2, h / 2, 6.5, "#ffffff" if over else p.glyph, width=1.6)
    return s


def hide_button(p, w, h, over):
    s = _small_button(p, w, h, over)
    glyphs.minus(s, w / 2, h / 2 + 3, 8, p.glyph_over if over else p.glyph, width=1.8)
    return s


def skins_button(p, w, h, over):
    s = _small_button(p, w, h, over)
    dots = [p.rgb_1, p.rgb_2, p.rgb_3, p.accent_light] if over else [p.glyph] * 4
    glyphs.palette_glyph(s, w / 2, h / 2 - 0.5, 5.6, p.glyph_over if over else p.glyph, dots, None, width=1.2)
    return s


def back_button(p, w, h, over):
    s = Svg(w, h)
    cx, cy, r = w / 2, h / 2, w / 2 - 3
    if over:
        s.circle(cx, cy, r + 1, fill=p.accent, fill_opacity=p.glow_opacity, filter=s.blur(1.5))
    shade = s.shadow(0, 1, 1, p.shadow, p.shadow_opacity)
    fill = s.linear([(0, p.control_over if over else p.control), (1, p.control_over_low if over else p.control_low)])
    s.circle(cx, cy, r, fill=fill, stroke=p.accent if over else p.control_border, stroke_width=1.5 if over else 1,
             filter=shade)
    s.circle(cx, cy, r - 2.5, fill="none", stroke=p.highlight, stroke_opacity=p.highlight_opacity)
    glyphs.arrow_left(s, cx - 0.5, cy, 15, p.accent if over else p.glyph, width=2.2)
    return s


def builders(layout):
    """Image name -> function(palette) -> Svg, with the size each must have."""
    L = layout
    button = L.rect("kOkButton")
    box = L.rect("kKeyBoxes")[0]
    seg = L.rect("kRateSegments")[0]
    cell = L.dpi_cell(1, 1)
    stage = L.rect("kDpiStageBoxes")[0]
    close = L.rect("kCloseButton")
    hide = L.rect("kHideButton")
    skins = L.rect("kSkinsButton")
    back = L.rect("kBackButton")
    digit = L.num("kKeyDigitWidth")

    def sized(r, fn, *args):
        return lambda p: fn(p, r.width, r.height, *args)

    return {
        "Pane.png": sized(stage, stage_box, False),
        "PaneMakingTick.png": sized(stage, stage_box, True),
        "DropdownBox-normal.png": sized(box, dropdown_box, False, digit),
        "DropdownBox-over.png": sized(box, dropdown_box, True, digit),
        "slider-DPI-light.png": sized(cell, dpi_cell, True),
        "slider-DPI-dark.png": sized(cell, dpi_cell, False),
        "slider-RP-light.png": sized(seg, rate_segment, True),
        "slider-RP-dark.png": sized(seg, rate_segment, False),
        "button-min-normal.png": sized(hide, hide_button, False),
        "button-min-over.png": sized(hide, hide_button, True),
        "button-Skins-normal.png": sized(skins, skins_button, False),
        "button-Skins-over.png": sized(skins, skins_button, True),
        "button-PrePage-normal.png": sized(back, back_button, False),
        "button-PrePage-over.png": sized(back, back_button, True),
        "button-normal.png": sized(button, text_button, False),
        "button-over.png": sized(button, text_button, True),
        "button-close-normal.png": sized(close, close_button, False),
        "button-close-over.png": sized(close, close_button, True),
    }
