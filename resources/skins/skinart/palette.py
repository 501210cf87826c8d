"""One skin's palette: the named colours, opacities and radii of palettes/<Skin>.ini."""
import configparser
import os

# Every name the art uses; a palette that lacks one is refused with its name.
COLOR_NAMES = """window window_edge pattern titlebar hero_glow panel panel_top panel_border
panel_header accent accent_light accent_deep title_plate title_plate_low control control_low
control_border control_over control_over_low highlight well dialog_well well_border arrow_cell
glyph glyph_over cell_off cell_off_border tick danger prompt_plate shadow outline rgb_1 rgb_2
rgb_3 flame flame_core well_glyph groove""".split()
SHAPE_NAMES = """radius_panel radius_control radius_cell highlight_opacity shadow_opacity
pattern_opacity glow_opacity""".split()


class PaletteError(Exception):
    pass


class Palette:
    def __init__(self, path):
        self.path = path
        self.name = os.path.splitext(os.path.basename(path))[0]
        parser = configparser.ConfigParser(inline_comment_prefixes=(";",))
        with open(path, encoding="utf-8") as f:
            parser.read_file(f)
        colors = parser["colors"] if parser.has_section("colors") else {}
        shape = parser["shape"] if parser.has_section("shape") else {}
        missing = [n for n in COLOR_NAMES if n not in colors] + [n for n in SHAPE_NAMES if n not in shape]
        if missing:
            raise PaletteError("%s: missing %s" % (path, ", ".join(missing)))
        self.colors = {}
        for n in COLOR_NAMES:
            value = colors[n].strip()
            if len(value) != 7 or value[0] != "#":
                raise PaletteError("%s: %s = %s is not #rrggbb" % (path, n, value))
            int(value[1:], 16)
            self.colors[n] = value.lower()
        self.shape = {n: float(shape[n]) for n in SHAPE_NAMES}
        text = parser.get("skin", "text_color", fallback="230, 230, 230")
        try:
            self.text_color = tuple(int(v) for v in text.split(","))
        except ValueError:
            self.text_color = ()
        if len(self.text_color) != 3 or not all(0 <= v <= 255 for v in self.text_color):
            raise PaletteError("%s: text_color = %s is not three numbers 0..255" % (path, text))

    def __getattr__(self, name):
        colors = self.__dict__.get("colors", {})
        if name in colors:
            return colors[name]
        shape = self.__dict__.get("shape", {})
        if name in shape:
            return shape[name]
        raise AttributeError(name)

    @property
    def text_hex(self):
        return "#%02x%02x%02x" % self.text_color


def mix(a, b, t):
    """The colour t of the way from a to b (both #rrggbb)."""
    ca = [int(a[i:i + 2], 16) for i in (1, 3, 5)]
    cb = [int(b[i:i + 2], 16) for i in (1, 3, 5)]
    return "#%02x%02x%02x" % tuple(round(x + (y - x) * t) for x, y in zip(ca, cb))
