#!/usr/bin/env python3
"""Renders the skins and the program icon from the palettes and the art in skinart/.

  render.py names                              the file names of a skin, one a line
  render.py skin --palette P --layout H --svg-dir D --out-dir O
  render.py icon --palette P --svg-dir D --out app.ico

Each image is written as SVG into the svg directory, then rendered to PNG with
rsvg-convert, at the skin's size and, as name@1.5x.png and name@2x.png, for displays at
150 % and 200 %; backgrounds are flattened to opaque RGB with ImageMagick, elements keep
their alpha. Beside the images goes skin.ini, the text colour the skin is drawn for,
which the skins dialog preselects. Only the Python standard library is used.

What a run renders is kept in a cache ($QV_SKIN_CACHE, by default ~/.cache/qv318/skins; an
empty value turns it off) under a digest of everything it is made from: the palette, the
layout, this renderer and its art, and the versions of the two tools. A fresh checkout of
sources rendered before copies the images instead of rendering them again.
"""
import argparse
import concurrent.futures
import glob
import hashlib
import os
import shutil
import subprocess
import sys

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from skinart import backgrounds, elements  # noqa: E402
from skinart.icon import ICON_SIZES, icon  # noqa: E402
from skinart.layoutfile import Layout  # noqa: E402
from skinart.palette import Palette, PaletteError  # noqa: E402

SKIN_INI = "skin.ini"
DEFAULT_LAYOUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src", "ui", "layout.h")


def image_builders(layout):
    out = dict(elements.builders(layout))
    out.update(backgrounds.builders(layout))
    return out


# The variants drawn beside each image for scaled displays: suffix and zoom.
VARIANTS = (("@1.5x", 1.5), ("@2x", 2))


def variant_name(name, suffix):
    return name[:-4] + suffix + ".png"


def image_names():
    # The names do not depend on the rectangles; any layout file gives them.
    names = sorted(image_builders(Layout(DEFAULT_LAYOUT)).keys())
    return sorted(names + [variant_name(n, suffix) for n in names for suffix, _ in VARIANTS])


def write_skin_ini(palette, out_dir):
    """The skin's text colour in the keys str.ini keeps it under, and its accent, which marks
    the keyboard focus; CRLF, as Windows writes INI."""
    lines = ["; %s: the text colour this skin is drawn for. The skins dialog preselects it" % palette.name,
             "; when the skin is chosen; the colour button may still change it.",
             "[Skin]"]
    lines += ["%s=%d" % (key, value) for key, value in zip(("RColor", "GColor", "BColor"), palette.text_color)]
    accent = [int(palette.accent[i:i + 2], 16) for i in (1, 3, 5)]
    lines += ["%s=%d" % (key, value) for key, value in zip(("RAccent", "GAccent", "BAccent"), accent)]
    with open(os.path.join(out_dir, SKIN_INI), "w", encoding="ascii", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")


def tool(name, env):
    found = os.environ.get(env) or shutil.which(name)
    if not found:
        sys.exit("render.py: %s not found (set %s)" % (name, env))
    return found


def rsvg(svg_path, png_path, size=None, zoom=None):
    cmd = [tool("rsvg-convert", "QV_RSVG_CONVERT")]
    if size:
        cmd += ["-w", str(size), "-h", str(size)]
    if zoom:
        cmd += ["-z", str(zoom)]
    subprocess.run(cmd + ["-o", png_path, svg_path], check=True)


def flatten(png_path):
    """Backgrounds are opaque: store them as 24-bit RGB without dates in the file."""
    subprocess.run([tool("convert", "QV_IM_CONVERT"), png_path, "-alpha", "off", "-define",
                    "png:exclude-chunks=date,time", "PNG24:" + png_path], check=True)


def render_skin(args):
    palette = Palette(args.palette)
    layout = Layout(args.layout)
    builders = image_builders(layout)
    os.makedirs(args.svg_dir, exist_ok=True)
    os.makedirs(args.out_dir, exist_ok=True)
    jobs = []
    for name, build in sorted(builders.items()):
        svg_path = os.path.join(args.svg_dir, name[:-4] + ".svg")
        with open(svg_path, "w", encoding="utf-8") as f:
            f.write(build(palette).markup())
        flat = name in backgrounds.builders(layout)
        jobs.append((svg_path, os.path.join(args.out_dir, name), None, flat))
        jobs += [(svg_path, os.path.join(args.out_dir, variant_name(name, suffix)), zoom, flat)
                 for suffix, zoom in VARIANTS]

    def render(job):
        svg_path, png_path, zoom, flat = job
        rsvg(svg_path, png_path, zoom=zoom)
        if flat:
            flatten(png_path)
    # Three times the images of a skin: the tools run side by side.
    with concurrent.futures.ThreadPoolExecutor(os.cpu_count() or 1) as pool:
        list(pool.map(render, jobs))
    write_skin_ini(palette, args.out_dir)


def render_icon(args):
    palette = Palette(args.palette)
    os.makedirs(args.svg_dir, exist_ok=True)
    pngs = []
    for size in ICON_SIZES:
        svg_path = os.path.join(args.svg_dir, "icon%d.svg" % size)
        png_path = os.path.join(args.svg_dir, "icon%d.png" % size)
        with open(svg_path, "w", encoding="utf-8") as f:
            f.write(icon(palette, size).markup())
        rsvg(svg_path, png_path, size)
        pngs.append(png_path)
    subprocess.run([tool("convert", "QV_IM_CONVERT")] + pngs + [args.out], check=True)


def cache_root():
    root = os.environ.get("QV_SKIN_CACHE")
    if root is None:
        home = os.environ.get("XDG_CACHE_HOME") or os.path.join(os.path.expanduser("~"), ".cache")
        root = os.path.join(home, "qv318", "skins")
    return root or None


def sources_digest(command, inputs):
    here = os.path.dirname(os.path.abspath(__file__))
    digest = hashlib.sha256(command.encode())
    for path in [os.path.abspath(__file__)] + sorted(glob.glob(os.path.join(here, "skinart", "*.py"))) + inputs:
        digest.update(os.path.basename(path).encode() + b"\0")
        with open(path, "rb") as f:
            digest.update(hashlib.sha256(f.read()).digest())
    for name, variable in (("rsvg-convert", "QV_RSVG_CONVERT"), ("convert", "QV_IM_CONVERT")):
        digest.update(subprocess.run([tool(name, variable), "--version"], capture_output=True).stdout)
    return digest.hexdigest()


def through_cache(command, inputs, outputs, render):
    """Runs render() unless an earlier run from the same sources left `outputs` (paths of
    files) in the cache, then copies them from there."""
    root = cache_root()
    if not root:
        render()
        return
    entry = os.path.join(root, sources_digest(command, inputs))
    if os.path.isdir(entry):
        for path in outputs:
            shutil.copyfile(os.path.join(entry, os.path.basename(path)), path)
        return
    render()
    os.makedirs(root, exist_ok=True)
    partial = entry + ".%d" % os.getpid()
    os.makedirs(partial)
    for path in outputs:
        shutil.copyfile(path, os.path.join(partial, os.path.basename(path)))
    try:
        os.rename(partial, entry)  # whole or not at all, even with two builds at once
    except OSError:
        shutil.rmtree(partial, ignore_errors=True)


def cached_skin(args):
    os.makedirs(args.out_dir, exist_ok=True)
    outputs = [os.path.join(args.out_dir, name) for name in image_names() + [SKIN_INI]]
    through_cache("skin", [args.palette, args.layout], outputs, lambda: render_skin(args))
    # A renamed image must not leave its old file behind in the skin folder.
    shipped = set(image_names())
    for stale in os.listdir(args.out_dir):
        if stale.endswith(".png") and stale not in shipped:
            os.remove(os.path.join(args.out_dir, stale))


def cached_icon(args):
    through_cache("icon", [args.palette], [args.out], lambda: render_icon(args))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = parser.add_subparsers(dest="command", required=True)
    sub.add_parser("names")
    skin = sub.add_parser("skin")
    skin.add_argument("--palette", required=True)
    skin.add_argument("--layout", default=DEFAULT_LAYOUT)
    skin.add_argument("--svg-dir", required=True)
    skin.add_argument("--out-dir", required=True)
    ico = sub.add_parser("icon")
    ico.add_argument("--palette", required=True)
    ico.add_argument("--svg-dir", required=True)
    ico.add_argument("--out", required=True)
    args = parser.parse_args()
    try:
        if args.command == "names":
            print("\n".join(image_names() + [SKIN_INI]))
        elif args.command == "skin":
            cached_skin(args)
        else:
            cached_icon(args)
    except (PaletteError, subprocess.CalledProcessError) as e:
        sys.exit("render.py: %s" % e)


if __name__ == "__main__":
    main()
