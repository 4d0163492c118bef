# The "Animals" pictures: bee, crab, donkey, blue dinosaur, cat, beaver,
# striped mouse, blue bird and spider, as friendly cartoons with a dark outline.
# Not run on its own: gen_tiles.py imports it.

import math

from qlx_svg import Svg, num

INK = "#2a1f2e"
W = 2.4  # outline width


def ink(**a):
    a.setdefault("stroke", INK)
    a.setdefault("stroke_width", W)
    a.setdefault("stroke_linejoin", "round")
    return a


def ellipse_band(cx, cy, rx, ry, x1, x2):
    """The part of an ellipse between the vertical lines x1 and x2."""
    def h(x):
        t = (x - cx) / rx
        return ry * math.sqrt(max(0.0, 1 - t * t))
    return ("M%s,%s A%s,%s 0 0 1 %s,%s L%s,%s A%s,%s 0 0 1 %s,%s Z"
            % (num(x1), num(cy - h(x1)), num(rx), num(ry), num(x2), num(cy - h(x2)),
               num(x2), num(cy + h(x2)), num(rx), num(ry), num(x1), num(cy + h(x1))))


def eye(svg, x, y, r, look=(0.35, 0.1)):
    svg.circle(x, y, r, **ink(fill="#ffffff", stroke_width=1.6))
    px, py = x + look[0] * r, y + look[1] * r
    svg.circle(px, py, r * 0.55, fill="#1a1420")
    svg.circle(px + r * 0.18, py - r * 0.2, r * 0.2, fill="#ffffff")


def bee(svg):
    # wings behind the body
    svg.ellipse(38, 26, 12, 19, angle=-28, **ink(fill="#e4f3ff", stroke="#4a6a8e", stroke_width=2))
    svg.ellipse(56, 24, 11, 17, angle=18, **ink(fill="#e4f3ff", stroke="#4a6a8e", stroke_width=2))
    # sting and legs
    svg.polygon([(10, 62), (24, 55), (24, 68)], **ink(fill="#3a2a1a"))
    for x in (36, 48, 60):
        svg.path("M%d,78 l-3,9" % x, fill="none", stroke=INK, stroke_width=3, stroke_linecap="round")
    # striped body
    cx, cy, rx, ry = 46, 60, 28, 21
    svg.ellipse(cx, cy, rx, ry, fill="#ffd21e")
    for x1, x2 in [(27, 35), (43, 51), (59, 66)]:
        svg.path(ellipse_band(cx, cy, rx, ry, x1, x2), fill="#2a1f1a")
    svg.ellipse(cx, cy, rx, ry, fill="none", stroke=INK, stroke_width=W)
    svg.ellipse(40, 50, 10, 4, angle=-15, fill="#ffffff", fill_opacity=0.45)
    # head with antennae
    svg.path("M72,38 C70,28 64,20 58,16", fill="none", stroke=INK, stroke_width=2.6, stroke_linecap="round")
    svg.path("M82,37 C84,27 88,20 90,14", fill="none", stroke=INK, stroke_width=2.6, stroke_linecap="round")
    svg.circle(58, 15, 4, fill=INK)
    svg.circle(90, 13, 4, fill=INK)
    svg.circle(77, 52, 16, **ink(fill="#ffd21e"))
    eye(svg, 80, 47, 6.5)
    svg.circle(86, 58, 3.2, fill="#ff8a7a", fill_opacity=0.8)
    svg.path("M74,60 C77,64 81,64 83,61", fill="none", stroke=INK, stroke_width=2, stroke_linecap="round")


def _claw(svg, x, y, angle, mirror, fill):
    tr = "translate(%s %s) rotate(%s) scale(%s 0.92)" % (num(x), num(y), num(angle), "-0.92" if mirror else "0.92")
    svg.open_group(transform=tr)
    svg.path("M0,12 C-13,12 -15,-6 -7,-22 C-4,-15 -2,-10 0,-6 C3,-11 5,-17 9,-24 C17,-8 14,12 0,12 Z",
             **ink(fill=fill))
    svg.ellipse(-4, 2, 3, 5, fill="#ffffff", fill_opacity=0.35)
    svg.close_group()


def crab(svg):
    red, dark = "#e23a2a", "#b8261c"
    # legs, three a side
    for side in (-1, 1):
        for k in range(3):
            x0 = 48 + side * (18 + k * 4)
            y0 = 64 + k * 4
            x1 = 48 + side * (34 + k * 5)
            y1 = 66 + k * 7
            x2 = 48 + side * (36 + k * 3)
            y2 = 80 + k * 5
            svg.path("M%s,%s L%s,%s L%s,%s" % (num(x0), num(y0), num(x1), num(y1), num(x2), num(y2)),
                     fill="none", stroke=INK, stroke_width=6.5, stroke_linecap="round", stroke_linejoin="round")
            svg.path("M%s,%s L%s,%s L%s,%s" % (num(x0), num(y0), num(x1), num(y1), num(x2), num(y2)),
                     fill="none", stroke=dark, stroke_width=3.2, stroke_linecap="round", stroke_linejoin="round")
    # arms up to the claws
    for side in (-1, 1):
        svg.path("M%d,58 L%d,44 L%d,36" % (48 + side * 20, 48 + side * 30, 48 + side * 32),
                 fill="none", stroke=INK, stroke_width=7, stroke_linecap="round", stroke_linejoin="round")
        svg.path("M%d,58 L%d,44 L%d,36" % (48 + side * 20, 48 + side * 30, 48 + side * 32),
                 fill="none", stroke=red, stroke_width=3.6, stroke_linecap="round", stroke_linejoin="round")
    _claw(svg, 19, 31, -12, True, red)
    _claw(svg, 77, 31, 12, False, red)
    # eye stalks
    for x0, x1 in [(41, 38), (55, 58)]:
        svg.path("M%d,52 L%d,38" % (x0, x1), fill="none", stroke=INK, stroke_width=3, stroke_linecap="round")
    # body
    svg.ellipse(48, 64, 27, 17, **ink(fill=red))
    svg.ellipse(42, 57, 12, 5, angle=-8, fill="#ffffff", fill_opacity=0.3)
    eye(svg, 38, 34, 6, look=(0.2, 0.2))
    eye(svg, 58, 34, 6, look=(0.2, 0.2))
    svg.path("M40,68 C44,74 52,74 56,68", fill="none", stroke=INK, stroke_width=2.4, stroke_linecap="round")


def donkey(svg):
    grey, dark, light = "#8f8a98", "#4a4454", "#e6dcd0"
    # long ears
    for cx, ang in [(27, -26), (69, 26)]:
        svg.ellipse(cx, 24, 9, 22, angle=ang, **ink(fill=grey))
        svg.ellipse(cx, 26, 4.5, 15, angle=ang, fill="#d9b8c4")
        tx = cx + math.sin(math.radians(ang)) * 18
        ty = 24 - math.cos(math.radians(ang)) * 18
        svg.ellipse(tx, ty, 5, 4.6, angle=ang, fill=dark)
    # head, narrow at the brow and wide at the muzzle
    svg.path("M48,28 C64,28 70,40 69,54 C68,64 72,70 70,78 C67,90 29,90 26,78 C24,70 28,64 27,54 C26,40 32,28 48,28 Z",
             **ink(fill=grey))
    svg.path("M48,62 C62,62 70,68 69,77 C67,89 29,89 27,77 C26,68 34,62 48,62 Z", fill=light)
    svg.path("M48,62 C62,62 70,68 69,77 C67,89 29,89 27,77 C26,68 34,62 48,62 Z", fill="none",
             stroke=INK, stroke_width=1.4)
    # forelock
    svg.path("M38,34 L42,22 L46,32 L50,20 L54,32 L59,24 L58,38 C52,34 44,34 38,38 Z", **ink(fill=dark, stroke_width=1.6))
    eye(svg, 37, 48, 5.5, look=(0.2, 0.2))
    eye(svg, 59, 48, 5.5, look=(-0.2, 0.2))
    svg.ellipse(40, 73, 2.8, 4, angle=-15, fill=INK)
    svg.ellipse(56, 73, 2.8, 4, angle=15, fill=INK)
    svg.path("M41,82 C45,85 51,85 55,82", fill="none", stroke=INK, stroke_width=2, stroke_linecap="round")


def dinosaur(svg):
    blue, dark, belly, spike = "#2f9ae0", "#1d6aae", "#aee6f8", "#ffa424"
    # back spikes (their bases hidden by the body)
    for k in range(6):
        a = math.radians(200 + k * 24)
        bx, by = 42 + 25 * math.cos(a), 62 + 17 * math.sin(a)
        nx, ny = math.cos(a) / 25, math.sin(a) / 17
        ln = math.hypot(nx, ny)
        nx, ny = nx / ln, ny / ln
        tx, ty = -ny, nx
        h = 9 if k in (2, 3) else 7
        svg.polygon([(bx + tx * 5, by + ty * 5), (bx + nx * h, by + ny * h), (bx - tx * 5, by - ty * 5)],
                    **ink(fill=spike, stroke_width=1.8))
    # tail
    svg.path("M22,58 C14,62 8,70 3,82 C12,78 20,74 28,72 Z", **ink(fill=blue))
    # far legs, in shade
    for x in (28, 52):
        svg.rect(x, 68, 10, 18, rx=4, **ink(fill=dark))
    # neck and head
    svg.path("M52,52 C60,40 64,30 68,20 L82,22 C80,34 76,48 68,66 Z", **ink(fill=blue))
    svg.ellipse(42, 62, 25, 17, **ink(fill=blue))
    svg.ellipse(44, 69, 18, 7, fill=belly)
    # near legs
    for x in (22, 46):
        svg.rect(x, 72, 11, 18, rx=4.5, **ink(fill=blue))
    svg.ellipse(78, 19, 14, 10, angle=-8, **ink(fill=blue))
    for x, y, r in [(34, 56, 3.2), (46, 53, 2.6), (52, 62, 2.4), (28, 64, 2.2)]:
        svg.circle(x, y, r, fill=dark)
    eye(svg, 80, 15, 4.6, look=(0.2, 0.1))
    svg.circle(90, 19, 1.2, fill=INK)
    svg.path("M76,24 C80,27 86,26 89,23", fill="none", stroke=INK, stroke_width=1.8, stroke_linecap="round")


def cat(svg):
    fur, dark, pale, pink = "#f49a38", "#c2621a", "#fff2de", "#f4a0a8"
    # ears
    for pts, inner in [([(10, 10), (40, 26), (16, 46)], [(15, 18), (33, 28), (19, 40)]),
                       ([(86, 10), (56, 26), (80, 46)], [(81, 18), (63, 28), (77, 40)])]:
        svg.polygon(pts, **ink(fill=fur))
        svg.polygon(inner, fill=pink)
    # whiskers behind the head's edge
    for y0, y1 in [(64, 58), (68, 68), (72, 78)]:
        svg.path("M24,%d L3,%d" % (y0, y1), fill="none", stroke=INK, stroke_width=1.6, stroke_linecap="round")
        svg.path("M72,%d L93,%d" % (y0, y1), fill="none", stroke=INK, stroke_width=1.6, stroke_linecap="round")
    svg.ellipse(48, 56, 36, 30, **ink(fill=fur))
    # tabby marks
    for x, h in [(42, 12), (48, 15), (54, 12)]:
        svg.path("M%d,28 l0,%d" % (x, h), fill="none", stroke=dark, stroke_width=3.4, stroke_linecap="round")
    for y in (52, 60):
        svg.path("M13,%d l9,2" % y, fill="none", stroke=dark, stroke_width=3, stroke_linecap="round")
        svg.path("M83,%d l-9,2" % y, fill="none", stroke=dark, stroke_width=3, stroke_linecap="round")
    # muzzle and chin
    svg.ellipse(48, 74, 13, 9, fill=pale)
    svg.ellipse(40, 67, 9.5, 7.5, fill=pale)
    svg.ellipse(56, 67, 9.5, 7.5, fill=pale)
    for x, y in [(36, 66), (40, 69), (56, 69), (60, 66)]:
        svg.circle(x, y, 0.9, fill=dark)
    # eyes
    for x in (34, 62):
        svg.ellipse(x, 50, 7, 8, **ink(fill="#8ad23a", stroke_width=1.8))
        svg.ellipse(x, 50, 2.2, 6.2, fill="#141414")
        svg.circle(x + 2, 47, 1.5, fill="#ffffff")
    svg.polygon([(43, 61), (53, 61), (48, 66)], **ink(fill=pink, stroke_width=1.4))
    svg.path("M48,66 L48,69 C46,73 42,73 40,70 M48,69 C50,73 54,73 56,70", fill="none", stroke=INK,
             stroke_width=1.8, stroke_linecap="round")


def beaver(svg):
    fur, dark, pale = "#9a6030", "#5a3820", "#d6ac7c"
    # flat tail behind
    svg.ellipse(70, 80, 23, 10, angle=-22, **ink(fill="#5e4030"))
    for k in range(-2, 3):
        svg.path("M%s,%s l10,-4" % (num(62 + k * 6), num(84 - k * 2.5)), fill="none", stroke="#7e5a44",
                 stroke_width=1.5)
    # feet
    for x in (34, 58):
        svg.ellipse(x, 89, 9, 4.8, **ink(fill=dark))
    svg.ellipse(46, 66, 24, 25, **ink(fill=fur))
    svg.ellipse(46, 72, 14, 15, fill=pale)
    # ears and head
    for x in (28, 64):
        svg.circle(x, 17, 6.5, **ink(fill=fur))
        svg.circle(x, 17, 3.2, fill=dark)
    svg.ellipse(46, 34, 23, 20, **ink(fill=fur))
    svg.ellipse(46, 44, 13, 9.5, fill=pale)
    # buck teeth
    svg.rect(40.5, 47, 5.5, 9, rx=1.2, **ink(fill="#ffffff", stroke_width=1.4))
    svg.rect(46, 47, 5.5, 9, rx=1.2, **ink(fill="#ffffff", stroke_width=1.4))
    svg.ellipse(46, 40, 6.5, 4.2, fill="#2a1a10")
    svg.ellipse(44.5, 39, 2, 1.2, fill="#ffffff", fill_opacity=0.6)
    svg.path("M39,45 C42,47 50,47 53,45", fill="none", stroke=INK, stroke_width=1.6, stroke_linecap="round")
    for x in (36, 56):
        svg.circle(x, 30, 3.6, fill="#141010")
        svg.circle(x + 1.1, 28.8, 1.2, fill="#ffffff")
    # paws
    for x in (37, 55):
        svg.ellipse(x, 60, 6, 4.5, **ink(fill=dark, stroke_width=1.6))


def mouse(svg):
    fur, stripe, pale, pink = "#caa676", "#4e361e", "#f6e8cc", "#f2a8ae"
    svg.path("M24,70 C10,76 2,66 6,56 C9,48 18,50 16,58", fill="none", stroke=INK, stroke_width=5,
             stroke_linecap="round")
    svg.path("M24,70 C10,76 2,66 6,56 C9,48 18,50 16,58", fill="none", stroke="#e0a8a0", stroke_width=2.6,
             stroke_linecap="round")
    for x in (38, 58):
        svg.ellipse(x, 82, 6, 3.4, **ink(fill=pink, stroke_width=1.6))
    # body with head; a pointed snout on the right
    svg.path("M20,66 C20,48 40,40 58,42 C68,36 80,40 86,50 C90,54 93,58 92,62 C88,68 78,70 70,72 "
             "C60,82 30,84 20,66 Z", **ink(fill=fur))
    svg.path("M30,74 C40,80 58,80 68,72 C60,70 44,72 30,74 Z", fill=pale)
    # stripes along the back
    svg.path("M26,56 C34,46 48,44 60,46", fill="none", stroke=stripe, stroke_width=3.6, stroke_linecap="round")
    svg.path("M25,64 C34,54 50,52 64,53", fill="none", stroke=stripe, stroke_width=3.6, stroke_linecap="round")
    svg.path("M28,60 C36,50 50,48 62,50", fill="none", stroke="#f2e2c0", stroke_width=2.2, stroke_linecap="round")
    # ear
    svg.circle(64, 36, 11.5, **ink(fill=fur))
    svg.circle(64, 37, 7.2, fill=pink)
    svg.circle(76, 52, 3.6, fill="#141010")
    svg.circle(77.2, 50.8, 1.2, fill="#ffffff")
    svg.circle(91, 61, 3.2, fill="#e0707c")
    for y0, y1 in [(60, 54), (63, 64)]:
        svg.path("M86,%d L95,%d" % (y0, y1), fill="none", stroke=INK, stroke_width=1.1, stroke_linecap="round")


def bluebird(svg):
    blue, dark, belly, beak = "#2458d8", "#15348e", "#f6f8ff", "#ffb41e"
    # tail
    svg.path("M28,58 L6,40 C4,48 6,52 10,56 L4,58 C8,66 16,68 26,68 Z", **ink(fill=dark))
    # legs
    for x in (44, 56):
        svg.path("M%d,78 L%d,90 M%d,90 l-5,2 M%d,90 l5,2" % (x, x, x, x), fill="none", stroke="#e08a10",
                 stroke_width=3, stroke_linecap="round")
    svg.ellipse(50, 54, 30, 27, **ink(fill=blue))
    svg.ellipse(58, 64, 19, 15, angle=-15, fill=belly)
    # head tuft
    svg.path("M46,28 C46,20 50,16 56,14 C54,20 54,24 56,28 Z", **ink(fill=blue, stroke_width=1.8))
    # wing
    svg.path("M56,50 C46,42 30,48 24,66 C36,70 50,66 56,50 Z", **ink(fill=dark, stroke_width=2))
    svg.path("M46,54 C40,56 34,60 30,64", fill="none", stroke="#4a7ae8", stroke_width=1.6, stroke_linecap="round")
    # beak, eye and cheek
    svg.polygon([(77, 42), (93, 48), (77, 54)], **ink(fill=beak, stroke_width=1.8))
    svg.path("M77,48 L90,48", fill="none", stroke=INK, stroke_width=1.1)
    eye(svg, 66, 42, 6, look=(0.3, 0.0))
    svg.circle(72, 54, 3.4, fill="#ff8aa8", fill_opacity=0.7)


def spider(svg):
    body, dark = "#3a2c48", "#1c1424"
    svg.path("M48,0 L48,30", fill="none", stroke="#f4f4f8", stroke_width=1.6)
    for side in (-1, 1):
        for k in range(4):
            y0 = 46 + k * 6
            x1 = 48 + side * (26 + (k % 2) * 4)
            y1 = 30 + k * 12
            x2 = 48 + side * (42 - abs(k - 1.5) * 2)
            y2 = 44 + k * 14
            d = "M%s,%s L%s,%s L%s,%s" % (num(48 + side * 8), num(y0), num(x1), num(y1), num(x2), num(y2))
            svg.path(d, fill="none", stroke=dark, stroke_width=4.2, stroke_linecap="round", stroke_linejoin="round")
    svg.circle(48, 64, 20, **ink(fill=body))
    svg.circle(48, 38, 12, **ink(fill=body))
    svg.ellipse(42, 58, 7, 4, angle=-30, fill="#ffffff", fill_opacity=0.25)
    svg.polygon([(48, 56), (53, 64), (48, 72), (43, 64)], fill="#d8282a")
    eye(svg, 43, 37, 4.4, look=(0.1, 0.2))
    eye(svg, 53, 37, 4.4, look=(-0.1, 0.2))
    svg.path("M44,44 C46,46 50,46 52,44", fill="none", stroke="#ffffff", stroke_width=1.6, stroke_linecap="round")


ANIMALS = [
    ("bee", bee),
    ("crab", crab),
    ("donkey", donkey),
    ("blue dinosaur", dinosaur),
    ("cat", cat),
    ("beaver", beaver),
    ("striped mouse", mouse),
    ("blue bird", bluebird),
    ("spider", spider),
]


def make_animal(kind):
    title, draw = ANIMALS[kind - 1]
    svg = Svg()
    draw(svg)
    return svg.text(title)
