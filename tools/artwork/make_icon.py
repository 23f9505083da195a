#!/usr/bin/env python3
"""Draws the program's icon and writes it as a multi-size Windows icon, plus
the PNG copies and the scalable SVG that Linux desktops look up in their
icon theme.

The picture is a lorry crossing a weighing pad on a blue tile. It is drawn
from the shapes below, anti-aliased by supersampling, at each size of
SIZES, and stored as 32-bit images with alpha (plus the 1-bit mask that the
format still asks for); the SVG holds the same shapes as vectors. Plain
Python, no libraries beyond the standard ones.

Usage: tools/artwork/make_icon.py [directory]   (default: res/)
Writes icon.ico (built into the program), tarveo-<size>.png for each of
PNG_SIZES and tarveo.svg (installed with the .desktop entry).
"""

import math
import os
import struct
import sys
import zlib

SIZES = (16, 24, 32, 48, 64, 256)
PNG_SIZES = (48, 64, 128, 256)
# The SVG's own coordinates: the unit square of the shapes, this many wide.
SVG_SIZE = 256
# Samples per pixel along each axis; enough for clean edges at every size.
SUPERSAMPLING = 4

TILE_TOP = (43, 108, 176)
TILE_BOTTOM = (22, 62, 120)
BODY = (245, 247, 250)
CAB_WINDOW = (120, 170, 220)
TYRE = (27, 35, 48)
HUB = (170, 180, 195)
ROAD = (205, 212, 222)
PAD = (246, 173, 43)


# A shape is a tuple: ("rect", x0, y0, x1, y1, corner radius) or
# ("circle", centre x, centre y, radius), in the unit square.
def rounded_rect(x0, y0, x1, y1, radius):
    return ("rect", x0, y0, x1, y1, radius)


def rect(x0, y0, x1, y1):
    return ("rect", x0, y0, x1, y1, 0.0)


def circle(cx, cy, r):
    return ("circle", cx, cy, r)


def inside(shape, x, y):
    if shape[0] == "circle":
        _kind, cx, cy, r = shape
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    _kind, x0, y0, x1, y1, radius = shape
    if x < x0 or x > x1 or y < y0 or y > y1:
        return False
    cx = min(max(x, x0 + radius), x1 - radius)
    cy = min(max(y, y0 + radius), y1 - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


# The tile's colour runs from TILE_TOP at the top edge of the picture to
# TILE_BOTTOM at its bottom edge.
TILE = "tile"


def tile_colour(y):
    t = min(max(y, 0.0), 1.0)
    return tuple(round(a + (b - a) * t) for a, b in zip(TILE_TOP, TILE_BOTTOM))


WHEEL_Y = 0.70
WHEEL_R = 0.075
WHEELS_X = (0.25, 0.41, 0.76)

# Painted in order, later shapes over earlier ones: (shape, colour or TILE).
LAYERS = [
    (rounded_rect(0.03, 0.03, 0.97, 0.97, 0.19), TILE),
    (rect(0.10, 0.765, 0.90, 0.80), ROAD),
    (rect(0.45, 0.765, 0.63, 0.80), PAD),
    (rounded_rect(0.13, 0.30, 0.62, 0.66, 0.025), BODY),
    (rounded_rect(0.645, 0.42, 0.87, 0.66, 0.05), BODY),
    (rounded_rect(0.715, 0.465, 0.835, 0.55, 0.015), CAB_WINDOW),
]
for wx in WHEELS_X:
    LAYERS.append((circle(wx, WHEEL_Y, WHEEL_R), TYRE))
    LAYERS.append((circle(wx, WHEEL_Y, WHEEL_R * 0.42), HUB))


def sample(x, y):
    """Colour and alpha (0 or 1) of one point of the picture."""
    colour, alpha = (0, 0, 0), 0.0
    for shape, paint in LAYERS:
        if inside(shape, x, y):
            colour = tile_colour(y) if paint == TILE else paint
            alpha = 1.0
    return colour, alpha


def render(size):
    """Rows of (r, g, b, a) tuples, top row first."""
    n = SUPERSAMPLING
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(n):
                for sx in range(n):
                    x = (px + (sx + 0.5) / n) / size
                    y = (py + (sy + 0.5) / n) / size
                    (cr, cg, cb), ca = sample(x, y)
                    r += cr * ca
                    g += cg * ca
                    b += cb * ca
                    a += ca
            if a > 0:
                # Colour is premultiplied in the sums; undo it for the file.
                pixel = (round(r / a), round(g / a), round(b / a), round(255 * a / (n * n)))
            else:
                pixel = (0, 0, 0, 0)
            row.append(pixel)
        rows.append(row)
    return rows


def dib(rows):
    """One icon image: BITMAPINFOHEADER, BGRA rows bottom-up, AND mask."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x, (_r, _g, _b, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return header + bytes(pixels) + bytes(mask)


def icon(sizes):
    images = [dib(render(size)) for size in sizes]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        side = 0 if size >= 256 else size  # 0 stands for 256 in the directory
        out += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    return bytes(out)


def png(rows):
    """An 8-bit RGBA PNG of the rows."""
    size = len(rows)
    raw = bytearray()
    for row in rows:
        raw.append(0)  # no filter
        for pixel in row:
            raw += bytes(pixel)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def svg():
    """The shapes as an SVG document, in the order they are painted."""

    def number(value):
        return ("%.3f" % (value * SVG_SIZE)).rstrip("0").rstrip(".")

    def hex_colour(colour):
        return "#%02x%02x%02x" % colour

    lines = [
        '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
        % (SVG_SIZE, SVG_SIZE, SVG_SIZE, SVG_SIZE),
        '  <defs>',
        '    <linearGradient id="%s" gradientUnits="userSpaceOnUse" x1="0" y1="0" x2="0" '
        'y2="%d">' % (TILE, SVG_SIZE),
        '      <stop offset="0" stop-color="%s"/>' % hex_colour(TILE_TOP),
        '      <stop offset="1" stop-color="%s"/>' % hex_colour(TILE_BOTTOM),
        '    </linearGradient>',
        '  </defs>',
    ]
    for shape, paint in LAYERS:
        fill = "url(#%s)" % TILE if paint == TILE else hex_colour(paint)
        if shape[0] == "circle":
            _kind, cx, cy, r = shape
            lines.append('  <circle cx="%s" cy="%s" r="%s" fill="%s"/>'
                         % (number(cx), number(cy), number(r), fill))
            continue
        _kind, x0, y0, x1, y1, radius = shape
        corner = ' rx="%s"' % number(radius) if radius else ""
        lines.append('  <rect x="%s" y="%s" width="%s" height="%s"%s fill="%s"/>'
                     % (number(x0), number(y0), number(x1 - x0), number(y1 - y0), corner,
                        fill))
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.normpath(os.path.join(here, os.pardir, os.pardir, "res"))
    directory = sys.argv[1] if len(sys.argv) > 1 else default
    target = os.path.join(directory, "icon.ico")
    with open(target, "wb") as f:
        f.write(icon(SIZES))
    print("wrote %s (%s px)" % (target, ", ".join(str(s) for s in SIZES)))
    for size in PNG_SIZES:
        target = os.path.join(directory, "tarveo-%d.png" % size)
        with open(target, "wb") as f:
            f.write(png(render(size)))
        print("wrote %s" % target)
    target = os.path.join(directory, "tarveo.svg")
    with open(target, "w", encoding="ascii") as f:
        f.write(svg())
    print("wrote %s" % target)


if __name__ == "__main__":
    main()
