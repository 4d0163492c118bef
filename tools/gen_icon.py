#!/usr/bin/env python3
# Writes the program icon to assets/icon/ (or to the folder given with --out):
#
#     python3 tools/gen_icon.py [--out DIR]
#
# quellix.svg  the icon as vectors (viewBox 0 0 96 96)
# quellix.png  256 x 256, with alpha
# quellix.ico  16, 32 and 48 px as 32-bit bitmaps and 256 px as PNG
# quellix-N.png  N x N, with alpha, for the desktop's icon theme
#               (N = 16, 22, 24, 32, 48, 64, 128; quellix.png serves 256)
#
# The icon is a 3 x 3 grid of raised tiles with the top-left cell already
# cleared, as a board looks after a few moves. The same list of shapes is
# written to the SVG and drawn here by a small rasteriser (coverage by
# supersampling), so the bitmaps match the vectors. Standard library only;
# the output is the same on every run.

import argparse
import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from qlx_png import darker, encode_png, hex_rgb, lighter  # noqa: E402
from qlx_svg import Svg  # noqa: E402

THEME_SIZES = (16, 22, 24, 32, 48, 64, 128)

TILE, GAP = 30.0, 3.0
EDGE = 2.5      # outline width
RADIUS = 5.0    # corner radius of the outline

# colours of the cells, row by row; None is a cleared cell
GRID = [
    [None, "#2f6fe8", "#2f6fe8"],
    ["#e23a30", "#36b33a", "#2f6fe8"],
    ["#e23a30", "#ffa41c", "#36b33a"],
]


def tiles():
    """Yields (x, y, colour) for every tile, in 96-unit coordinates."""
    for r, row in enumerate(GRID):
        for c, colour in enumerate(row):
            if colour:
                yield c * (TILE + GAP), r * (TILE + GAP), colour


def tile_layers(x, y, colour):
    """The layers of one tile, bottom first: (x, y, w, h, radius, top colour,
    bottom colour, top alpha, bottom alpha); colours vary linearly from the
    layer's top edge to its bottom edge."""
    inner = EDGE
    edge = darker(colour, 0.55)
    top, bottom = lighter(colour, 0.3), darker(colour, 0.12)
    return [
        (x, y, TILE, TILE, RADIUS, edge, edge, 1.0, 1.0),
        (x + inner, y + inner, TILE - 2 * inner, TILE - 2 * inner, RADIUS - inner * 0.6, top, bottom, 1.0, 1.0),
        (x + inner + 2, y + inner + 1.5, TILE - 2 * inner - 4, (TILE - 2 * inner) * 0.42, 3.0,
         "#ffffff", "#ffffff", 0.55, 0.05),
    ]


def make_svg():
    svg = Svg()
    for x, y, colour in tiles():
        for lx, ly, w, h, r, c0, c1, a0, a1 in tile_layers(x, y, colour):
            if c0 == c1 and a0 == a1 == 1.0:
                fill = c0
            else:
                fill = svg.linear([(0, c0, a0), (1, c1, a1)], 0, ly, 0, ly + h)
            svg.el("rect", x=lx, y=ly, width=w, height=h, rx=r, ry=r, fill=fill)
    return svg.text("Quellix")


def _inside_round_rect(px, py, x, y, w, h, r):
    cx, cy = x + w / 2, y + h / 2
    dx = max(abs(px - cx) - (w / 2 - r), 0.0)
    dy = max(abs(py - cy) - (h / 2 - r), 0.0)
    if abs(px - cx) > w / 2 or abs(py - cy) > h / 2:
        return False
    return dx * dx + dy * dy <= r * r


def rasterise(size):
    """Returns the icon as RGBA bytes, size x size."""
    scale = 96.0 / size
    n = 8 if size <= 48 else 4  # samples per pixel side
    cell = TILE + GAP
    layers = {}
    for x, y, colour in tiles():
        key = (int(round(x / cell)), int(round(y / cell)))
        ls = []
        for lx, ly, w, h, r, c0, c1, a0, a1 in tile_layers(x, y, colour):
            ls.append((lx, ly, w, h, r, hex_rgb(c0), hex_rgb(c1), a0, a1))
        layers[key] = ls
    out = bytearray(size * size * 4)
    for py in range(size):
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]  # premultiplied
            for sy in range(n):
                y = (py + (sy + 0.5) / n) * scale
                for sx in range(n):
                    x = (px + (sx + 0.5) / n) * scale
                    key = (int(x // cell), int(y // cell))
                    r = g = b = a = 0.0
                    for lx, ly, w, h, rad, c0, c1, a0, a1 in layers.get(key, ()):
                        if not _inside_round_rect(x, y, lx, ly, w, h, rad):
                            continue
                        t = min(max((y - ly) / h, 0.0), 1.0)
                        la = a0 + (a1 - a0) * t
                        lr = (c0[0] + (c1[0] - c0[0]) * t) / 255.0
                        lg = (c0[1] + (c1[1] - c0[1]) * t) / 255.0
                        lb = (c0[2] + (c1[2] - c0[2]) * t) / 255.0
                        r = lr * la + r * (1 - la)
                        g = lg * la + g * (1 - la)
                        b = lb * la + b * (1 - la)
                        a = la + a * (1 - la)
                    acc[0] += r
                    acc[1] += g
                    acc[2] += b
                    acc[3] += a
            k = 1.0 / (n * n)
            a = acc[3] * k
            i = (py * size + px) * 4
            if a > 0:
                out[i] = min(255, int(round(acc[0] * k / a * 255)))
                out[i + 1] = min(255, int(round(acc[1] * k / a * 255)))
                out[i + 2] = min(255, int(round(acc[2] * k / a * 255)))
                out[i + 3] = int(round(a * 255))
    return bytes(out)


def bmp_entry(size, rgba):
    """An icon image as a 32-bit DIB (bottom-up BGRA) with its AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for y in range(size - 1, -1, -1):
        for x in range(size):
            i = (y * size + x) * 4
            r, g, b, a = rgba[i:i + 4]
            xor += bytes((b, g, r, a))
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        row = bytearray(stride)
        for x in range(size):
            if rgba[(y * size + x) * 4 + 3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(xor) + bytes(mask)


def make_ico(images):
    """images: [(size, data)] where data is a DIB or a PNG."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    body = b""
    for size, data in images:
        dim = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
        body += data
    return out + body


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser()
    ap.add_argument("--out", default=os.path.join(here, "..", "assets", "icon"))
    args = ap.parse_args()
    os.makedirs(args.out, exist_ok=True)

    def write(name, data):
        path = os.path.normpath(os.path.join(args.out, name))
        with open(path, "wb") as f:
            f.write(data)
        print(path)

    write("quellix.svg", make_svg().encode())
    big = encode_png(256, 256, rasterise(256), alpha=True)
    write("quellix.png", big)
    pixels = {s: rasterise(s) for s in THEME_SIZES}
    images = [(s, bmp_entry(s, pixels[s])) for s in (16, 32, 48)]
    images.append((256, big))
    write("quellix.ico", make_ico(images))
    for s in THEME_SIZES:
        write("quellix-%d.png" % s, encode_png(s, s, pixels[s], alpha=True))


if __name__ == "__main__":
    main()
