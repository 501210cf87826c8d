"""Shapes shared by several images: the mouse mark, arrows, the palette and others."""
from .svg import num


def mouse_body(x, y, w, h):
    """Outline of a mouse seen from above, in the box (x, y, w, h)."""
    cx = x + w / 2
    return ("M{cx},{y} C{a},{y} {r},{b} {r},{c} L{r},{d} C{r},{e} {f},{bt} {cx},{bt} "
            "C{g},{bt} {x},{e} {x},{d} L{x},{c} C{x},{b} {h2},{y} {cx},{y} Z").format(
        cx=num(cx), y=num(y), a=num(cx + w * 0.46), r=num(x + w), b=num(y + h * 0.17), c=num(y + h * 0.42),
        d=num(y + h * 0.66), e=num(y + h * 0.92), f=num(cx + w * 0.30), bt=num(y + h), g=num(cx - w * 0.30),
        x=num(x), h2=num(cx - w * 0.46))


def mouse_split(x, y, w, h):
    """The lines between the two buttons and between the buttons and the palm."""
    cx = x + w / 2
    by = y + h * 0.40
    return "M{cx},{y} L{cx},{by} M{x},{sy} Q{cx},{qy} {r},{sy}".format(
        cx=num(cx), y=num(y), by=num(by), x=num(x + w * 0.005), sy=num(y + h * 0.385),
        qy=num(y + h * 0.445), r=num(x + w * 0.995))


def mouse_mark(svg, x, y, w, h, fill, line, stroke=None, stroke_width=0, wheel=None):
    """The product mark: a filled mouse with its button split and wheel."""
    svg.path(mouse_body(x, y, w, h), fill=fill, stroke=stroke, stroke_width=stroke_width or None)
    lw = max(w * 0.07, 0.9)
    svg.path(mouse_split(x, y, w, h), fill="none", stroke=line, stroke_width=lw, stroke_linecap="round")
    ww, wh = w * 0.17, h * 0.19
    svg.rect(x + w / 2 - ww / 2, y + h * 0.12, ww, wh, rx=ww / 2, fill=wheel or line)


def chevron_down(svg, cx, cy, size, color, width=1.6):
    s = size / 2
    svg.path("M%s,%s L%s,%s L%s,%s" % (num(cx - s), num(cy - s / 2), num(cx), num(cy + s / 2), num(cx + s), num(cy - s / 2)),
             fill="none", stroke=color, stroke_width=width, stroke_linecap="round", stroke_linejoin="round")


def arrow_left(svg, cx, cy, size, color, width=2.2):
    s = size / 2
    svg.path("M%s,%s L%s,%s L%s,%s M%s,%s L%s,%s" % (
        num(cx - s * 0.1), num(cy - s * 0.75), num(cx - s * 0.85), num(cy), num(cx - s * 0.1), num(cy + s * 0.75),
        num(cx - s * 0.8), num(cy), num(cx + s * 0.85), num(cy)),
        fill="none", stroke=color, stroke_width=width, stroke_linecap="round", stroke_linejoin="round")


def cross(svg, cx, cy, size, color, width=1.7):
    s = size / 2
    svg.path("M%s,%s L%s,%s M%s,%s L%s,%s" % (num(cx - s), num(cy - s), num(cx + s), num(cy + s),
                                              num(cx + s), num(cy - s), num(cx - s), num(cy + s)),
             fill="none", stroke=color, stroke_width=width, stroke_linecap="round")


def minus(svg, cx, cy, size, color, width=1.7):
    s = size / 2
    svg.line(cx - s, cy, cx + s, cy, stroke=color, stroke_width=width, stroke_linecap="round")


def palette_glyph(svg, cx, cy, r, color, dots, hole_fill, width=1.4):
    """A painter's palette: a round board with a thumb hole and colour dots."""
    d = ("M{x0},{cy} A{r},{r} 0 1 1 {x1},{y1} C{x2},{y2} {x3},{y3} {x4},{y4} "
         "C{x5},{y5} {x6},{y6} {x0},{cy} Z").format(
        x0=num(cx - r), cy=num(cy), r=num(r), x1=num(cx + r * 0.55), y1=num(cy + r * 0.83),
        x2=num(cx + r * 0.15), y2=num(cy + r * 0.98), x3=num(cx - r * 0.05), y3=num(cy + r * 0.45),
        x4=num(cx - r * 0.35), y4=num(cy + r * 0.55), x5=num(cx - r * 0.65), y5=num(cy + r * 0.65),
        x6=num(cx - r), y6=num(cy + r * 0.35))
    svg.path(d, fill="none", stroke=color, stroke_width=width, stroke_linejoin="round")
    spots = [(-0.42, -0.18), (-0.05, -0.5), (0.4, -0.32), (0.45, 0.18)]
    for (dx, dy), c in zip(spots, dots):
        svg.circle(cx + dx * r, cy + dy * r, max(r * 0.17, 1.1), fill=c)


def check(svg, x, y, size, color, width=2.0):
    svg.path("M%s,%s L%s,%s L%s,%s" % (num(x + size * 0.2), num(y + size * 0.52), num(x + size * 0.42),
                                       num(y + size * 0.74), num(x + size * 0.8), num(y + size * 0.28)),
             fill="none", stroke=color, stroke_width=width, stroke_linecap="round", stroke_linejoin="round")


def usb_plug(svg, cx, top, w, color, fill):
    """A USB-A plug pointing up, its cable leaving at the bottom: returns the cable point."""
    h = w * 1.55
    svg.rect(cx - w * 0.36, top, w * 0.72, h * 0.42, rx=w * 0.06, fill="none", stroke=color, stroke_width=2)
    svg.rect(cx - w * 0.2, top + h * 0.12, w * 0.12, h * 0.1, fill=color)
    svg.rect(cx + w * 0.08, top + h * 0.12, w * 0.12, h * 0.1, fill=color)
    svg.rect(cx - w / 2, top + h * 0.42, w, h * 0.58, rx=w * 0.14, fill=fill, stroke=color, stroke_width=2)
    svg.line(cx - w * 0.22, top + h * 0.62, cx + w * 0.22, top + h * 0.62, stroke=color, stroke_width=1.5,
             stroke_linecap="round", opacity=0.6)
    svg.line(cx - w * 0.22, top + h * 0.74, cx + w * 0.22, top + h * 0.74, stroke=color, stroke_width=1.5,
             stroke_linecap="round", opacity=0.6)
    return cx, top + h
