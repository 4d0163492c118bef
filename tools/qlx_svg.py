# A tiny SVG writer for the asset generators: a 96 x 96 canvas, gradients in
# <defs>, and geometry helpers (polygon clipping, ribbons, stars).
# Not run on its own: gen_tiles.py and gen_icon.py import it.
#
# The pictures are shown with Qt's SVG renderer, which implements SVG Tiny 1.2:
# everything here sticks to plain attributes (no <style>, CSS, filters, masks or
# clip paths). Shapes that must not spill out of the square are clipped here, in
# the geometry, instead.

import math

SIZE = 96


def num(v):
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def poly_d(points):
    """Path data of a closed polygon."""
    return "M" + " L".join("%s,%s" % (num(x), num(y)) for x, y in points) + " Z"


class Svg:
    def __init__(self, size=SIZE):
        self.size = size
        self.defs = []
        self.body = []
        self._next = 0

    def _id(self, prefix):
        self._next += 1
        return "%s%d" % (prefix, self._next)

    def linear(self, stops, x1, y1, x2, y2):
        """stops: [(offset, colour) or (offset, colour, opacity)]; user-space
        coordinates. Returns 'url(#id)'."""
        gid = self._id("g")
        s = ['<linearGradient id="%s" gradientUnits="userSpaceOnUse" x1="%s" y1="%s" x2="%s" y2="%s">'
             % (gid, num(x1), num(y1), num(x2), num(y2))]
        s += self._stops(stops)
        s.append("</linearGradient>")
        self.defs.append("".join(s))
        return "url(#%s)" % gid

    def radial(self, stops, cx, cy, r, fx=None, fy=None):
        gid = self._id("r")
        s = ['<radialGradient id="%s" gradientUnits="userSpaceOnUse" cx="%s" cy="%s" r="%s" fx="%s" fy="%s">'
             % (gid, num(cx), num(cy), num(r), num(cx if fx is None else fx), num(cy if fy is None else fy))]
        s += self._stops(stops)
        s.append("</radialGradient>")
        self.defs.append("".join(s))
        return "url(#%s)" % gid

    @staticmethod
    def _stops(stops):
        out = []
        for st in stops:
            off, col = st[0], st[1]
            op = st[2] if len(st) > 2 else 1
            extra = "" if op == 1 else ' stop-opacity="%s"' % num(op)
            out.append('<stop offset="%s" stop-color="%s"%s/>' % (num(off), col, extra))
        return out

    def el(self, tag, **attrs):
        self.body.append(tag_text(tag, attrs))

    def raw(self, text):
        self.body.append(text)

    def open_group(self, **attrs):
        self.body.append(tag_text("g", attrs, close=False))

    def close_group(self):
        self.body.append("</g>")

    # shorthand shapes
    def rect(self, x, y, w, h, **a):
        self.el("rect", x=x, y=y, width=w, height=h, **a)

    def circle(self, cx, cy, r, **a):
        self.el("circle", cx=cx, cy=cy, r=r, **a)

    def ellipse(self, cx, cy, rx, ry, angle=0, **a):
        if angle:
            a["transform"] = "rotate(%s %s %s)" % (num(angle), num(cx), num(cy))
        self.el("ellipse", cx=cx, cy=cy, rx=rx, ry=ry, **a)

    def path(self, d, **a):
        self.el("path", d=d, **a)

    def polygon(self, points, **a):
        self.el("path", d=poly_d(points), **a)

    def text(self, title):
        head = ('<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                'width="%d" height="%d" viewBox="0 0 %d %d">' % (self.size, self.size, self.size, self.size))
        lines = [head, "<title>%s</title>" % title]
        if self.defs:
            lines.append("<defs>")
            lines += self.defs
            lines.append("</defs>")
        lines += self.body
        lines.append("</svg>")
        return "\n".join(lines) + "\n"


def tag_text(tag, attrs, close=True):
    parts = ["<" + tag]
    for k, v in attrs.items():
        k = k.rstrip("_").replace("_", "-")
        if isinstance(v, float) or isinstance(v, int):
            v = num(v)
        parts.append(' %s="%s"' % (k, v))
    parts.append("/>" if close else ">")
    return "".join(parts)


# Geometry --------------------------------------------------------------------

def clip_polygon(points, x0=0.0, y0=0.0, x1=SIZE, y1=SIZE):
    """Sutherland-Hodgman clipping of a polygon to an axis-aligned box."""
    def clip(poly, inside, cross):
        out = []
        if not poly:
            return out
        prev = poly[-1]
        for cur in poly:
            if inside(cur):
                if not inside(prev):
                    out.append(cross(prev, cur))
                out.append(cur)
            elif inside(prev):
                out.append(cross(prev, cur))
            prev = cur
        return out

    def at_x(x):
        return lambda p, q: (x, p[1] + (q[1] - p[1]) * (x - p[0]) / (q[0] - p[0]))

    def at_y(y):
        return lambda p, q: (p[0] + (q[0] - p[0]) * (y - p[1]) / (q[1] - p[1]), y)

    poly = list(points)
    poly = clip(poly, lambda p: p[0] >= x0, at_x(x0))
    poly = clip(poly, lambda p: p[0] <= x1, at_x(x1))
    poly = clip(poly, lambda p: p[1] >= y0, at_y(y0))
    poly = clip(poly, lambda p: p[1] <= y1, at_y(y1))
    return poly


def ribbon(centre, half_widths):
    """A filled band along a polyline, with its own width at every point."""
    left, right = [], []
    n = len(centre)
    for i, (x, y) in enumerate(centre):
        a = centre[max(i - 1, 0)]
        b = centre[min(i + 1, n - 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        ln = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / ln, dx / ln
        w = half_widths[i]
        left.append((x + nx * w, y + ny * w))
        right.append((x - nx * w, y - ny * w))
    return left + right[::-1]


def star_points(cx, cy, outer, inner, n=5, start=-90.0):
    out = []
    for k in range(2 * n):
        r = outer if k % 2 == 0 else inner
        a = math.radians(start + k * 180.0 / n)
        out.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return out


def cubic(p0, p1, p2, p3, t):
    u = 1 - t
    return (u * u * u * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t * t * t * p3[0],
            u * u * u * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t * t * t * p3[1])


def leaf_d(x, y, length, width, angle):
    """A pointed leaf from (x, y) along 'angle' degrees (0 = right)."""
    a = math.radians(angle)
    ux, uy = math.cos(a), math.sin(a)
    nx, ny = -uy, ux

    def p(s, t):
        return (x + ux * s + nx * t, y + uy * s + ny * t)

    tip = p(length, 0)
    c1 = p(length * 0.3, width)
    c2 = p(length * 0.75, width * 0.8)
    c3 = p(length * 0.75, -width * 0.8)
    c4 = p(length * 0.3, -width)
    f = lambda q: "%s,%s" % (num(q[0]), num(q[1]))
    return "M%s C%s %s %s C%s %s %s Z" % (f((x, y)), f(c1), f(c2), f(tip), f(c3), f(c4), f((x, y)))
