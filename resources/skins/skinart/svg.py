"""A small SVG writer: shapes, gradients and filters with generated ids."""
from xml.sax.saxutils import quoteattr


def _attrs(kw):
    out = []
    for k, v in kw.items():
        if v is None:
            continue
        k = k.rstrip("_").replace("_", "-")
        if isinstance(v, float):
            v = ("%.3f" % v).rstrip("0").rstrip(".")
        out.append("%s=%s" % (k, quoteattr(str(v))))
    return " ".join(out)


def num(v):
    return ("%.3f" % v).rstrip("0").rstrip(".") if isinstance(v, float) else str(v)


class Svg:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.defs = []
        self.body = []
        self._ids = 0

    def _id(self, prefix):
        self._ids += 1
        return "%s%d" % (prefix, self._ids)

    # Paint servers and filters --------------------------------------------------------
    def linear(self, stops, x1=0, y1=0, x2=0, y2=1, units=None):
        """A gradient; stops are (offset, colour) or (offset, colour, opacity)."""
        gid = self._id("g")
        parts = ["<linearGradient %s>" % _attrs(dict(id=gid, x1=x1, y1=y1, x2=x2, y2=y2, gradientUnits=units))]
        for s in stops:
            parts.append("<stop %s/>" % _attrs(dict(offset=s[0], stop_color=s[1], stop_opacity=s[2] if len(s) > 2 else None)))
        parts.append("</linearGradient>")
        self.defs.append("".join(parts))
        return "url(#%s)" % gid

    def radial(self, stops, cx=0.5, cy=0.5, r=0.5, units=None, fx=None, fy=None):
        gid = self._id("r")
        parts = ["<radialGradient %s>" % _attrs(dict(id=gid, cx=cx, cy=cy, r=r, fx=fx, fy=fy, gradientUnits=units))]
        for s in stops:
            parts.append("<stop %s/>" % _attrs(dict(offset=s[0], stop_color=s[1], stop_opacity=s[2] if len(s) > 2 else None)))
        parts.append("</radialGradient>")
        self.defs.append("".join(parts))
        return "url(#%s)" % gid

    def blur(self, deviation, margin="-50%"):
        fid = self._id("f")
        self.defs.append('<filter id="%s" x="%s" y="%s" width="200%%" height="200%%" color-interpolation-filters="sRGB">'
                         '<feGaussianBlur stdDeviation="%s"/></filter>' % (fid, margin, margin, num(deviation)))
        return "url(#%s)" % fid

    def shadow(self, dx, dy, deviation, color, opacity):
        """Drop shadow under the element's own shape."""
        fid = self._id("s")
        self.defs.append(
            '<filter id="%s" x="-20%%" y="-20%%" width="140%%" height="150%%" color-interpolation-filters="sRGB">'
            '<feGaussianBlur in="SourceAlpha" stdDeviation="%s"/>'
            '<feOffset dx="%s" dy="%s" result="b"/>'
            '<feFlood flood-color="%s" flood-opacity="%s"/>'
            '<feComposite in2="b" operator="in" result="s"/>'
            '<feMerge><feMergeNode in="s"/><feMergeNode in="SourceGraphic"/></feMerge></filter>'
            % (fid, num(deviation), num(dx), num(dy), color, num(opacity)))
        return "url(#%s)" % fid

    def pattern(self, width, height, content):
        pid = self._id("p")
        self.defs.append('<pattern id="%s" width="%s" height="%s" patternUnits="userSpaceOnUse">%s</pattern>'
                         % (pid, num(width), num(height), content))
        return "url(#%s)" % pid

    def clip_rect(self, x, y, w, h, rx=0):
        cid = self._id("c")
        self.defs.append('<clipPath id="%s"><rect %s/></clipPath>' % (cid, _attrs(dict(x=x, y=y, width=w, height=h, rx=rx))))
        return "url(#%s)" % cid

    # Shapes ---------------------------------------------------------------------------
    def add(self, markup):
        self.body.append(markup)

    def rect(self, x, y, w, h, rx=0, **kw):
        self.body.append("<rect %s/>" % _attrs(dict(x=x, y=y, width=w, height=h, rx=rx or None, **kw)))

    def box(self, r, rx=0, inset=0.0, **kw):
        """A Rect of the layout (left, top, right, bottom), optionally inset."""
        self.rect(r.left + inset, r.top + inset, r.width - 2 * inset, r.height - 2 * inset, rx, **kw)

    def circle(self, cx, cy, r, **kw):
        self.body.append("<circle %s/>" % _attrs(dict(cx=cx, cy=cy, r=r, **kw)))

    def ellipse(self, cx, cy, rx, ry, **kw):
        self.body.append("<ellipse %s/>" % _attrs(dict(cx=cx, cy=cy, rx=rx, ry=ry, **kw)))

    def line(self, x1, y1, x2, y2, **kw):
        self.body.append("<line %s/>" % _attrs(dict(x1=x1, y1=y1, x2=x2, y2=y2, **kw)))

    def path(self, d, **kw):
        self.body.append("<path %s/>" % _attrs(dict(d=d, **kw)))

    def group(self, **kw):
        self.body.append("<g %s>" % _attrs(kw))

    def end(self):
        self.body.append("</g>")

    def image(self, href, x, y, w, h):
        self.body.append("<image %s/>" % _attrs({"x": x, "y": y, "width": w, "height": h, "xlink:href": href}))

    def text(self, x, y, content, **kw):
        from xml.sax.saxutils import escape
        self.body.append("<text %s>%s</text>" % (_attrs(dict(x=x, y=y, **kw)), escape(content)))

    def markup(self):
        return ('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
                'width="%d" height="%d" viewBox="0 0 %d %d">\n<defs>%s</defs>\n%s\n</svg>\n'
                % (self.width, self.height, self.width, self.height, "\n".join(self.defs), "\n".join(self.body)))
