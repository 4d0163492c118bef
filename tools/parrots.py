# The "Pets - parrots" pictures: nine parrots, each its own species colours,
# perched on a branch facing either way, or one in flight.
# Not run on its own: gen_tiles.py imports it.

from qlx_png import darker
from qlx_svg import Svg, leaf_d, num

INK = 0.55  # how much darker than its fill an outline is


def _outline(c):
    return darker(c, INK)


# Each parrot: title, pose ("perch" or "fly"), facing (1 right, -1 left), tail
# ("long", "mid" or "short"), and colours. Wing and tail colours run from the
# root to the tip as gradient stops [(offset, colour), ...].
PARROTS = [
    dict(title="scarlet macaw", pose="perch", facing=1, tail="long",
         body="#d81e26", chest="#e62c2a", head="#e2262a", face="#f6f0e6",
         wing=[(0, "#d81e26"), (0.3, "#d81e26"), (0.32, "#ffcf1a"), (0.5, "#ffcf1a"), (0.52, "#2a62d8"), (1, "#1a3a9e")],
         tail_c=[(0, "#d81e26"), (0.55, "#d81e26"), (0.6, "#2a62d8"), (1, "#2a62d8")],
         beak="#f0e8d4", jaw="#2a2a2a", crest=None, cheek=None, forehead=None),
    dict(title="blue-and-gold macaw", pose="perch", facing=-1, tail="long",
         body="#1f74d8", chest="#ffc21a", head="#1f74d8", face="#f8f8f4",
         wing=[(0, "#1f74d8"), (0.6, "#1f74d8"), (1, "#123f88")],
         tail_c=[(0, "#1f74d8"), (1, "#164f9e")],
         beak="#2a2a2e", jaw="#1a1a1a", crest=None, cheek=None, forehead="#3fbf6a"),
    dict(title="green amazon", pose="perch", facing=1, tail="short",
         body="#3caa38", chest="#52bc44", head="#3caa38", face=None,
         wing=[(0, "#3caa38"), (0.45, "#3caa38"), (0.47, "#e0302a"), (0.62, "#e0302a"), (0.64, "#2a54b8"), (1, "#1e3c8a")],
         tail_c=[(0, "#3caa38"), (1, "#b8d82a")],
         beak="#d8c8a6", jaw="#b8a684", crest=None, cheek=None, forehead="#ffe02a"),
    dict(title="white cockatoo", pose="perch", facing=-1, tail="mid",
         body="#f8f8f4", chest="#ffffff", head="#f8f8f4", face=None,
         wing=[(0, "#f4f4ee"), (1, "#e8e6d4")],
         tail_c=[(0, "#f4f4ee"), (1, "#f2ecc0")],
         beak="#3a3a42", jaw="#2a2a30", crest="#ffd82a", crest_kind="tall", cheek=None, forehead=None),
    dict(title="grey parrot", pose="perch", facing=1, tail="short",
         body="#8a919a", chest="#9ea5ae", head="#9aa1aa", face="#e8eaee",
         wing=[(0, "#7c838c"), (1, "#4e545c")],
         tail_c=[(0, "#e02a2a"), (1, "#c21a1a")],
         beak="#26262a", jaw="#1a1a1e", crest=None, cheek=None, forehead=None),
    dict(title="rainbow lorikeet", pose="fly", facing=1, tail="long",
         body="#2aa848", chest="#ff6a1a", head="#2a46d2", face=None,
         wing=[(0, "#2aa848"), (0.7, "#2aa848"), (1, "#1a6a30")],
         tail_c=[(0, "#2aa848"), (1, "#b8d82a")],
         beak="#f0301a", jaw="#c0200e", crest=None, cheek=None, forehead=None),
    dict(title="sun conure", pose="perch", facing=-1, tail="mid",
         body="#ffc21a", chest="#ffa41a", head="#ff8a1a", face=None,
         wing=[(0, "#ffc21a"), (0.45, "#ffc21a"), (0.5, "#2e9e3a"), (0.75, "#2e9e3a"), (0.8, "#2a54b8"), (1, "#2a54b8")],
         tail_c=[(0, "#8ab82a"), (1, "#2a54b8")],
         beak="#2a2a2e", jaw="#1a1a1e", crest=None, cheek=None, forehead=None, eyering="#ffffff"),
    dict(title="galah", pose="perch", facing=1, tail="mid",
         body="#a6aeb9", chest="#ec6c96", head="#ec6c96", face=None,
         wing=[(0, "#a6aeb9"), (1, "#7a828e")],
         tail_c=[(0, "#8e96a2"), (1, "#6a727e")],
         beak="#f0e6d4", jaw="#d8ccb4", crest="#ffd4de", crest_kind="cap", cheek=None, forehead=None),
    dict(title="cockatiel", pose="perch", facing=-1, tail="long",
         body="#8e949c", chest="#a2a8b0", head="#ffe45a", face=None,
         wing=[(0, "#8e949c"), (0.3, "#f4f4f0"), (0.5, "#8e949c"), (1, "#5e646c")],
         tail_c=[(0, "#7e848c"), (1, "#5e646c")],
         beak="#9a9aa2", jaw="#7a7a82", crest="#ffe45a", crest_kind="tall", cheek="#ff7a2a", forehead=None),
]


def _grad_along(svg, stops, x1, y1, x2, y2):
    return svg.linear(stops, x1, y1, x2, y2)


def _crest(svg, p, hx, hy, r):
    kind = p.get("crest_kind", "tall")
    c = p["crest"]
    if kind == "tall":
        # three long feathers raised up and back from the crown
        for dx, ang, ln in [(-5, -146, 30), (0, -124, 28), (5, -102, 24)]:
            svg.path(leaf_d(hx + dx, hy - r + 5, ln, 4.2, ang), fill=c, stroke=_outline(c), stroke_width=1.5,
                     stroke_linejoin="round")
    else:
        # a low, rounded cap of pale feathers
        svg.path("M%d,%d C%d,%d %d,%d %d,%d C%d,%d %d,%d %d,%d Z" % (hx - 12, hy - 6, hx - 16, hy - r - 4, hx - 2, hy - r - 8, hx + 8, hy - r + 2,
                                                                  hx + 4, hy - r + 6, hx - 4, hy - r + 8, hx - 12, hy - 6),
                 fill=c, stroke=_outline(c), stroke_width=1.6, stroke_linejoin="round")


def _head(svg, p, hx, hy, r):
    if p["crest"]:
        _crest(svg, p, hx, hy, r)
    svg.circle(hx, hy, r, fill=p["head"], stroke=_outline(p["head"]), stroke_width=2)
    if p.get("forehead"):
        svg.ellipse(hx + r * 0.25, hy - r * 0.6, r * 0.5, r * 0.3, angle=25, fill=p["forehead"])
    if p["face"]:
        svg.ellipse(hx + r * 0.36, hy + r * 0.08, r * 0.52, r * 0.48, fill=p["face"])
        if p["title"] == "blue-and-gold macaw":
            for k in range(3):
                svg.path("M%s,%s l%s,-1" % (num(hx + r * 0.1 + k * 1.5), num(hy + r * 0.25 + k * 2.2), num(r * 0.33)),
                         stroke="#1a1a1a", stroke_width=1, fill="none", stroke_linecap="round")
    if p.get("cheek"):
        svg.circle(hx + r * 0.3, hy + r * 0.42, r * 0.28, fill=p["cheek"])
    # beak: a hooked upper mandible over a small lower one, drawn in a
    # 20-unit box and scaled with the head
    k = r / 15.0
    bx, by = hx + r * 0.62, hy - r * 0.55

    def at(x, y):
        return "%s,%s" % (num(bx + x * k), num(by + y * k))

    svg.path("M%s C%s %s %s C%s %s %s Z" % (at(2, 16), at(7, 15), at(10, 18), at(9, 23),
                                            at(5, 25), at(1, 22), at(0, 19)),
             fill=p["jaw"], stroke=_outline(p["jaw"]), stroke_width=1.4, stroke_linejoin="round")
    svg.path("M%s C%s %s %s C%s %s %s Z" % (at(-1, 0), at(10, -2), at(17, 9), at(12, 24),
                                            at(10, 18), at(7, 15.5), at(1, 17)),
             fill=p["beak"], stroke=_outline(p["beak"]), stroke_width=1.6, stroke_linejoin="round")
    # eye
    ex, ey = hx + r * 0.3, hy - r * 0.14
    if p.get("eyering"):
        svg.circle(ex, ey, r * 0.33, fill=p["eyering"])
    svg.circle(ex, ey, r * 0.22, fill="#141414")
    svg.circle(ex + r * 0.07, ey - r * 0.07, r * 0.075, fill="#ffffff")


def _perched(svg, p):
    # tail, hanging behind the branch
    if p["tail"] == "long":
        tail = [(40, 62), (55, 67), (30, 95), (19, 92)]
    elif p["tail"] == "mid":
        tail = [(40, 62), (55, 67), (42, 94), (27, 91)]
    else:
        tail = [(40, 62), (55, 67), (52, 94), (32, 93)]
    tx = sum(q[0] for q in tail[:2]) / 2
    ty = sum(q[1] for q in tail[:2]) / 2
    ex = (tail[2][0] + tail[3][0]) / 2
    ey = (tail[2][1] + tail[3][1]) / 2
    tg = _grad_along(svg, p["tail_c"], tx, ty, ex, ey)
    svg.polygon(tail, fill=tg, stroke=_outline(p["tail_c"][-1][1]), stroke_width=1.8, stroke_linejoin="round")
    # branch
    svg.path("M6,85 L90,78", stroke="#4a2c12", stroke_width=10, stroke_linecap="round", fill="none")
    svg.path("M6,85 L90,78", stroke="#8a5a2c", stroke_width=7, stroke_linecap="round", fill="none")
    svg.path("M7,83.2 L89,76.4", stroke="#b07a44", stroke_width=1.6, stroke_linecap="round", fill="none")
    # body and chest
    svg.ellipse(50, 52, 20, 26, angle=15, fill=p["body"], stroke=_outline(p["body"]), stroke_width=2)
    svg.ellipse(57, 55, 12, 19, angle=15, fill=p["chest"])
    # folded wing, its feathers darkening towards the tip
    wg = _grad_along(svg, p["wing"], 54, 38, 32, 84)
    svg.path("M56,37 C37,33 26,60 32,85 C45,80 60,62 56,37 Z", fill=wg, stroke=_outline(p["wing"][-1][1]),
             stroke_width=1.8, stroke_linejoin="round")
    # feet gripping the branch
    for fx, fy in [(47, 77.5), (57, 76.5)]:
        svg.ellipse(fx, fy, 4.6, 3.2, fill="#5c5c62", stroke="#2e2e32", stroke_width=1)
    _head(svg, p, 59, 26, 17)


def _flying(svg, p):
    tg = _grad_along(svg, p["tail_c"], 36, 64, 5, 89)
    svg.polygon([(33, 60), (41, 68), (10, 93), (3, 86)], fill=tg, stroke=_outline(p["tail_c"][-1][1]),
                stroke_width=1.8, stroke_linejoin="round")
    # far wing, in shadow
    far = [(s[0], darker(s[1], 0.22)) for s in p["wing"]]
    wg = _grad_along(svg, far, 50, 52, 12, 8)
    svg.path("M52,52 C40,34 26,18 10,7 C16,26 24,44 38,64 Z", fill=wg, stroke=_outline(far[-1][1]),
             stroke_width=1.8, stroke_linejoin="round")
    svg.ellipse(50, 56, 23, 13, angle=-40, fill=p["body"], stroke=_outline(p["body"]), stroke_width=2)
    svg.ellipse(56, 61, 15, 7.5, angle=-40, fill=p["chest"])
    wg2 = _grad_along(svg, p["wing"], 52, 54, 40, 4)
    svg.path("M48,58 C42,40 38,22 38,3 C48,16 58,34 60,52 Z", fill=wg2, stroke=_outline(p["wing"][-1][1]),
             stroke_width=1.8, stroke_linejoin="round")
    _head(svg, p, 67, 36, 12)


def make_parrot(kind):
    p = PARROTS[kind - 1]
    svg = Svg()
    tall = p["crest"] and p.get("crest_kind") == "tall"
    if tall:
        # a little smaller, standing on the bottom edge, to make room for the crest
        svg.open_group(transform="translate(48 96) scale(0.88) translate(-48 -96)")
    if p["facing"] < 0:
        svg.open_group(transform="translate(96 0) scale(-1 1)")
    if p["pose"] == "perch":
        _perched(svg, p)
    else:
        _flying(svg, p)
    if p["facing"] < 0:
        svg.close_group()
    if tall:
        svg.close_group()
    return svg.text(p["title"])
