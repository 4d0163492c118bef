#!/usr/bin/env python3
# Writes the 45 tile pictures to assets/tiles/ (or to the folder given with --out):
#
#     python3 tools/gen_tiles.py [--out DIR] [--only 1,2,37]
#
# Picture n = 9 * set + kind (kind 1..9, set 0..4), file tile_NN.svg, or tile_NN.png
# for the fractal set (192 x 192). Standard library only; the output is the same on
# every run. The fractals take about half a minute; --only limits the run to some
# pictures.

import argparse
import math
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from qlx_png import darker, lighter, mix  # noqa: E402
from qlx_svg import Svg, clip_polygon, cubic, leaf_d, num, ribbon, star_points  # noqa: E402
import fractals  # noqa: E402
from animals import make_animal  # noqa: E402
from parrots import make_parrot  # noqa: E402

S = 96

# ---------------------------------------------------------------------------
# Set 0: classic tiles. Every kind has its own pattern as well as its own
# colour, so that they stay apart for colour-blind players and at 16 px.


def bevel(svg, w=5):
    """Light top and left edges, dark bottom and right: a raised tile."""
    svg.polygon([(0, 0), (S, 0), (S - w, w), (w, w)], fill="#ffffff", fill_opacity=0.5)
    svg.polygon([(0, 0), (w, w), (w, S - w), (0, S)], fill="#ffffff", fill_opacity=0.32)
    svg.polygon([(0, S), (w, S - w), (S - w, S - w), (S, S)], fill="#000000", fill_opacity=0.38)
    svg.polygon([(S, 0), (S, S), (S - w, S - w), (S - w, w)], fill="#000000", fill_opacity=0.26)


def sheen(svg):
    """A soft light from the top left over the whole tile."""
    g = svg.linear([(0, "#ffffff", 0.22), (0.55, "#ffffff", 0), (1, "#000000", 0.12)], 0, 0, S, S)
    svg.rect(0, 0, S, S, fill=g)


def classic_blue_checks(svg):
    svg.rect(0, 0, S, S, fill="#4f86ea")
    for i in range(4):
        for j in range(4):
            if (i + j) % 2 == 0:
                svg.rect(24 * i, 24 * j, 24, 24, fill="#1c46a8")
    # a small light diamond where four checks meet
    for i in range(1, 4):
        for j in range(1, 4):
            x, y = 24 * i, 24 * j
            svg.polygon([(x, y - 5), (x + 5, y), (x, y + 5), (x - 5, y)], fill="#cfe0ff")
    sheen(svg)


def classic_red_bricks(svg):
    svg.rect(0, 0, S, S, fill="#c49a8c")  # mortar
    shades = ["#8c1a1f", "#7a151a", "#9a2228", "#851a1e"]
    k = 0
    for row in range(4):
        y = row * 24 + 2.5
        off = 0 if row % 2 == 0 else -24
        for col in range(3):
            x0 = off + col * 48 + 2.5
            x1 = x0 + 43
            x0, x1 = max(x0, 0), min(x1, S)
            if x1 - x0 < 4:
                continue
            svg.rect(x0, y, x1 - x0, 19, rx=2, fill=shades[k % len(shades)])
            # a darker lower edge on each brick
            svg.rect(x0, y + 14, x1 - x0, 5, fill="#000000", fill_opacity=0.18)
            k += 1
    sheen(svg)


def classic_green_stripes(svg):
    svg.rect(0, 0, S, S, fill="#9bb59a")
    # bands x + y in [k, k + 17], period 34: perpendicular width 12, period 24
    for k in range(-34, 2 * S + 34, 34):
        poly = clip_polygon([(k, 0), (k + 17, 0), (k + 17 - 300, 300), (k - 300, 300)])
        if len(poly) >= 3:
            svg.polygon(poly, fill="#557a5c")
        thin = clip_polygon([(k + 24, 0), (k + 27, 0), (k + 27 - 300, 300), (k + 24 - 300, 300)])
        if len(thin) >= 3:
            svg.polygon(thin, fill="#d7e6d2")
    sheen(svg)


def classic_pink_marble(svg):
    svg.rect(0, 0, S, S, fill=svg.linear([(0, "#f9dbe3"), (1, "#eab0c0")], 0, 0, S, S))
    rnd = random.Random(4)
    for _ in range(7):
        # clouds; centred far enough in that none reaches past the edges
        svg.ellipse(rnd.uniform(24, 72), rnd.uniform(24, 72), rnd.uniform(10, 20), rnd.uniform(5, 10),
                    angle=rnd.uniform(20, 60), fill=rnd.choice(["#fff2f5", "#e49aae"]), fill_opacity=0.5)

    def vein(x0, y0, x1, y1, w, colour, seed):
        r = random.Random(seed)
        n = 24
        centre = []
        for i in range(n + 1):
            t = i / n
            wob = 7 * math.sin(t * 7.0 + seed) + r.uniform(-2, 2)
            x = x0 + (x1 - x0) * t + wob * 0.7
            y = y0 + (y1 - y0) * t - wob * 0.7
            centre.append((x, y))
        widths = [w * (0.45 + 0.55 * math.sin(math.pi * i / n)) for i in range(n + 1)]
        poly = clip_polygon(ribbon(centre, widths))
        if len(poly) >= 3:
            svg.polygon(poly, fill=colour)

    vein(-6, 20, 70, 102, 3.2, "#b05a74", 1)
    vein(30, -6, 102, 62, 2.6, "#b05a74", 2)
    vein(-6, 62, 40, 102, 1.8, "#c77b90", 3)
    vein(10, -6, 102, 86, 1.6, "#ffffff", 5)
    sheen(svg)


def classic_cream_sprig(svg):
    svg.rect(0, 0, S, S, fill=svg.linear([(0, "#fbf4e0"), (1, "#eadbb2")], 0, 0, 0, S))
    p0, p1, p2, p3 = (18, 86), (30, 60), (56, 44), (80, 14)
    svg.path("M%s,%s C%s,%s %s,%s %s,%s" % (num(p0[0]), num(p0[1]), num(p1[0]), num(p1[1]),
                                           num(p2[0]), num(p2[1]), num(p3[0]), num(p3[1])),
             fill="none", stroke="#3f6b25", stroke_width=3.4, stroke_linecap="round")
    for i, t in enumerate([0.22, 0.36, 0.5, 0.64, 0.78]):
        x, y = cubic(p0, p1, p2, p3, t)
        x2, y2 = cubic(p0, p1, p2, p3, t + 0.01)
        ang = math.degrees(math.atan2(y2 - y, x2 - x))
        side = 1 if i % 2 == 0 else -1
        svg.path(leaf_d(x, y, 19 - 1.5 * i, 5.5, ang + side * 55), fill="#5f9f33", stroke="#3f6b25",
                 stroke_width=1.2)
    svg.path(leaf_d(80, 14, 12, 4, -45), fill="#5f9f33", stroke="#3f6b25", stroke_width=1.2)
    for (x, y) in [(26, 72), (31, 76), (24, 79)]:
        svg.circle(x, y, 3.2, fill="#c8283a", stroke="#7a1020", stroke_width=0.8)
    sheen(svg)


def classic_orange_flower(svg):
    svg.rect(0, 0, S, S, fill=svg.radial([(0, "#ffb04a"), (1, "#e0650c")], 48, 48, 68))
    for k in range(8):
        a = k * 45 + 22.5
        svg.ellipse(48, 48 - 22, 9.5, 20, fill="#ffe27a", stroke="#c25a0a", stroke_width=1.4,
                    transform="rotate(%s 48 48)" % num(a))
    svg.circle(48, 48, 12, fill="#7a3410", stroke="#4a1e08", stroke_width=1.4)
    for k in range(6):
        a = math.radians(k * 60)
        svg.circle(48 + 6 * math.cos(a), 48 + 6 * math.sin(a), 1.6, fill="#ffcf5a")
    # four small buds in the corners
    for (x, y) in [(11, 11), (85, 11), (11, 85), (85, 85)]:
        svg.circle(x, y, 4, fill="#ffe27a", stroke="#c25a0a", stroke_width=1)
    sheen(svg)


def classic_tan_paper_plant(svg):
    svg.rect(0, 0, S, S, fill="#d8b680")
    for y in range(14, 96, 13):
        svg.rect(0, y, S, 2, fill="#b08a58")
    svg.rect(15, 0, 2, S, fill="#b2554a", fill_opacity=0.7)
    # leaves, fanned out above the pot
    for ang, ln in [(-150, 30), (-120, 36), (-90, 40), (-60, 36), (-30, 30)]:
        svg.path(leaf_d(48, 64, ln, 8, ang), fill="#2f7a2c", stroke="#174a16", stroke_width=1.6)
        a = math.radians(ang)
        svg.path("M48,64 L%s,%s" % (num(48 + math.cos(a) * ln * 0.85), num(64 + math.sin(a) * ln * 0.85)),
                 stroke="#8ccf6a", stroke_width=1.3, fill="none")
    # pot
    svg.polygon([(31, 68), (65, 68), (60, 90), (36, 90)], fill="#b4512c", stroke="#6a2a12", stroke_width=1.6)
    svg.rect(27, 61, 42, 9, rx=2, fill="#cc6838", stroke="#6a2a12", stroke_width=1.6)
    sheen(svg)


def classic_granite(svg):
    svg.rect(0, 0, S, S, fill="#8a99b1")
    rnd = random.Random(8)
    colours = ["#333d50"] * 5 + ["#e8edf4"] * 4 + ["#5c6a84"] * 3 + ["#b9a9b8"] * 2
    for _ in range(62):
        cx, cy = rnd.uniform(2, 94), rnd.uniform(2, 94)
        r = rnd.uniform(2.8, 6.2)
        n = 7
        blob = []
        for k in range(n):
            a = 2 * math.pi * k / n + rnd.uniform(-0.3, 0.3)
            rr = r * rnd.uniform(0.65, 1.2)
            blob.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
        blob = clip_polygon(blob)
        if len(blob) >= 3:
            svg.polygon(blob, fill=rnd.choice(colours))
    sheen(svg)


def classic_dark_stone(svg):
    svg.rect(0, 0, S, S, fill="#0b132c")
    rnd = random.Random(9)
    grid = {}
    for i in range(4):
        for j in range(4):
            jx = 0 if i in (0, 3) else rnd.uniform(-5, 5)
            jy = 0 if j in (0, 3) else rnd.uniform(-5, 5)
            grid[i, j] = (i * 32 + jx, j * 32 + jy)
    for i in range(3):
        for j in range(3):
            quad = [grid[i, j], grid[i + 1, j], grid[i + 1, j + 1], grid[i, j + 1]]
            cx = sum(p[0] for p in quad) / 4
            cy = sum(p[1] for p in quad) / 4
            inset = [(cx + (x - cx) * 0.8, cy + (y - cy) * 0.8) for x, y in quad]
            base = mix("#1d2d66", "#2e4690", rnd.uniform(0, 1))
            svg.polygon(inset, fill=base, stroke=base, stroke_width=5, stroke_linejoin="round")
            hi = [(cx + (x - cx) * 0.6, cy + (y - cy) * 0.6) for x, y in inset]
            svg.polygon([hi[0], hi[1], (cx, cy), hi[3]], fill="#ffffff", fill_opacity=0.1)
    sheen(svg)


CLASSIC = [
    ("blue checks", classic_blue_checks),
    ("dark red bricks", classic_red_bricks),
    ("grey-green stripes", classic_green_stripes),
    ("pink marble", classic_pink_marble),
    ("cream with a sprig", classic_cream_sprig),
    ("orange flower", classic_orange_flower),
    ("tan paper with a potted plant", classic_tan_paper_plant),
    ("blue-grey granite", classic_granite),
    ("dark blue stone", classic_dark_stone),
]


def make_classic(kind):
    title, draw = CLASSIC[kind - 1]
    svg = Svg()
    draw(svg)
    bevel(svg)
    return svg.text(title)


# ---------------------------------------------------------------------------
# Set 1: stars. A rounded five-pointed star with a dark outline and faceted
# shading, lit from the top left.

STARS = [
    ("dark blue star", "#2438b4", "#0a124e"),
    ("light blue star", "#b4e2ff", "#245a98"),
    ("cyan star", "#08c8d4", "#005a62"),
    ("green star", "#35b935", "#0d520d"),
    ("orange star", "#ff9618", "#84400a"),
    ("magenta star", "#de2ccc", "#5e0a56"),
    ("lilac star", "#bc90ee", "#4e2e80"),
    ("red star", "#e2262a", "#6a0a0c"),
    ("pink star", "#ffa2cc", "#a03a6a"),
]


def make_star(kind):
    title, fill, edge = STARS[kind - 1]
    svg = Svg()
    R, r = 45.0, 21.5
    cy = (S + (1 - math.cos(math.radians(36))) * R) / 2
    cx = 48.0
    points = star_points(cx, cy, R, r)
    body = svg.linear([(0, lighter(fill, 0.35)), (1, darker(fill, 0.12))], 0, cy - R, 0, cy + R)
    svg.polygon(points, fill=body)
    light = (-0.55, -0.83)
    for k in range(10):
        a, b = points[k], points[(k + 1) % 10]
        mx, my = (a[0] + b[0]) / 2 - cx, (a[1] + b[1]) / 2 - cy
        ln = math.hypot(mx, my)
        d = (mx * light[0] + my * light[1]) / ln
        if d > 0:
            svg.polygon([(cx, cy), a, b], fill="#ffffff", fill_opacity=round(0.42 * d, 2))
        else:
            svg.polygon([(cx, cy), a, b], fill="#000000", fill_opacity=round(0.22 * -d, 2))
    svg.polygon(points, fill="none", stroke=edge, stroke_width=4.5, stroke_linejoin="round")
    # a small gleam on the upper left arm
    svg.ellipse(cx - 13, cy - 9, 5, 2.6, angle=-35, fill="#ffffff", fill_opacity=0.7)
    return svg.text(title)


# ---------------------------------------------------------------------------
# Sets 2 to 4 live in parrots.py, animals.py and fractals.py.


def picture(n):
    """Returns (extension, bytes) for picture n (1..45)."""
    s, kind = divmod(n - 1, 9)
    kind += 1
    if s == 0:
        return "svg", make_classic(kind).encode()
    if s == 1:
        return "svg", make_star(kind).encode()
    if s == 2:
        return "svg", make_parrot(kind).encode()
    if s == 3:
        return "svg", make_animal(kind).encode()
    return "png", fractals.make_fractal(kind)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser()
    ap.add_argument("--out", default=os.path.join(here, "..", "assets", "tiles"))
    ap.add_argument("--only", default="", help="comma-separated picture numbers")
    args = ap.parse_args()
    os.makedirs(args.out, exist_ok=True)
    wanted = [int(x) for x in args.only.split(",") if x] or list(range(1, 46))
    for n in wanted:
        ext, data = picture(n)
        path = os.path.join(args.out, "tile_%02d.%s" % (n, ext))
        with open(path, "wb") as f:
            f.write(data)
        print(os.path.normpath(path))


if __name__ == "__main__":
    main()
