# The "Fractals" pictures: nine escape-time fractals rendered to 192 x 192 PNG,
# each in a palette of its own hue so the kinds are told apart when small.
# Not run on its own: gen_tiles.py imports it (make_fractal).
#
# Each pixel averages 3 x 3 samples in linear light. Pure Python; a few
# seconds a picture.

import cmath
import math

from qlx_png import encode_png, hex_rgb, srgb_to_linear, linear_to_srgb

SIDE = 192
SUPER = 3


class Palette:
    """Colour stops in sRGB; look-ups return linear RGB. Cyclic when 'cycle'."""

    def __init__(self, stops, cycle=True):
        self.stops = [(o, tuple(srgb_to_linear(v) for v in hex_rgb(c))) for o, c in stops]
        self.cycle = cycle

    def __call__(self, t):
        t = t % 1.0 if self.cycle else min(max(t, 0.0), 1.0)
        s = self.stops
        for i in range(1, len(s)):
            if t <= s[i][0]:
                o0, c0 = s[i - 1]
                o1, c1 = s[i]
                u = (t - o0) / (o1 - o0) if o1 > o0 else 0.0
                return (c0[0] + (c1[0] - c0[0]) * u, c0[1] + (c1[1] - c0[1]) * u, c0[2] + (c1[2] - c0[2]) * u)
        return s[-1][1]


def linear(c):
    return tuple(srgb_to_linear(v) for v in hex_rgb(c))


LOG2 = math.log(2)


def escape(step, z, c, maxit, bail=256.0):
    """Iterates z = step(z, c). Returns (smooth escape count, None) when the
    orbit escapes, or (None, smallest |z| on the orbit) when it stays bounded."""
    trap = 1e9
    for n in range(maxit):
        z = step(z, c)
        a = z.real * z.real + z.imag * z.imag
        if a > bail * bail:
            return n + 1 - math.log(math.log(a) * 0.5) / LOG2, None
        if a < trap:
            trap = a
    return None, math.sqrt(trap)


def sq(z, c):
    return z * z + c


def ship(z, c):
    z = complex(abs(z.real), abs(z.imag))
    return z * z + c


def bar(z, c):
    z = z.conjugate()
    return z * z + c


def mandel_like(step, pal, inside, period, maxit, offset=0.0, julia=None):
    """pal colours the outside by log(1 + escape count) / period + offset;
    'inside' is a colour, or a palette read with the orbit's smallest |z|."""
    def fill(trap):
        return inside(trap) if callable(inside) else inside

    def sample(p):
        if julia is None:
            if step is sq:
                # skip the main cardioid and the period-2 bulb
                q = (p.real - 0.25) ** 2 + p.imag * p.imag
                if q * (q + (p.real - 0.25)) <= 0.25 * p.imag * p.imag or (p.real + 1) ** 2 + p.imag * p.imag <= 0.0625:
                    return fill(0.0)
            nu, trap = escape(step, 0j, p, maxit)
        else:
            nu, trap = escape(step, p, julia, maxit)
        if nu is None:
            return fill(trap)
        return pal(math.log(1.0 + max(nu, 0.0)) / period + offset)
    return sample


def newton(degree, colours, shade_iters, maxit=40):
    roots = [cmath.exp(2j * math.pi * k / degree) for k in range(degree)]
    cols = [linear(c) for c in colours]
    dark = (0.0, 0.0, 0.0)

    def sample(z):
        for n in range(maxit):
            if z == 0:
                return dark
            zd = z ** (degree - 1)
            z = z - (zd * z - 1) / (degree * zd)
            for k, r in enumerate(roots):
                d = abs(z - r)
                if d < 1e-3:
                    # brighter for quick convergence, with a smooth step
                    f = (n + math.log(1e-3 / max(d, 1e-12)) / 6.9) / shade_iters
                    f = max(0.0, min(1.0, 1.0 - f))
                    c = cols[k]
                    w = 0.22 + 0.78 * f
                    return (c[0] * w, c[1] * w, c[2] * w)
        return dark
    return sample


def render(sample, cx, cy, span, flip=False):
    out = bytearray(SIDE * SIDE * 3)
    step = span / (SIDE * SUPER)
    x0 = cx - span / 2
    y0 = cy + span / 2
    inv = 1.0 / (SUPER * SUPER)
    for py in range(SIDE):
        for px in range(SIDE):
            r = g = b = 0.0
            for sy in range(SUPER):
                im = y0 - (py * SUPER + sy + 0.5) * step
                if flip:
                    im = -im
                for sx in range(SUPER):
                    re = x0 + (px * SUPER + sx + 0.5) * step
                    cr, cg, cb = sample(complex(re, im))
                    r += cr
                    g += cg
                    b += cb
            i = (py * SIDE + px) * 3
            out[i] = linear_to_srgb(r * inv)
            out[i + 1] = linear_to_srgb(g * inv)
            out[i + 2] = linear_to_srgb(b * inv)
    return out


# Builders: each returns the pixel buffer of one picture. The palettes cycle
# through shades of one hue, with a narrow light band for sparkle.
def _hue(dark, mid, bright, light):
    return Palette([(0, mid), (0.3, bright), (0.4, light), (0.5, bright), (0.75, dark), (1, mid)])


def _red():
    pal = _hue("#4a0410", "#c8101c", "#ff3a34", "#ffc0b0")
    return render(mandel_like(sq, pal, linear("#2a0208"), 0.75, 300, offset=-0.9), -0.62, 0.0, 2.9)


def _orange():
    pal = _hue("#7a3004", "#f07a0a", "#ffae3a", "#fff0c0")
    inner = Palette([(0, "#fff2c8"), (0.3, "#ffb040"), (0.7, "#d8600a"), (1, "#7a3004")], cycle=False)
    return render(mandel_like(sq, pal, lambda t: inner(t * 1.6), 0.7, 250, offset=-0.9, julia=complex(-0.123, 0.745)),
                  0.0, 0.0, 3.0)


def _yellow():
    pal = _hue("#6a5004", "#e8b80a", "#ffe23a", "#fffbe0")
    return render(mandel_like(ship, pal, linear("#3a2a02"), 0.7, 250, offset=-0.9), -0.45, -0.5, 3.6, flip=True)


def _green():
    return render(newton(3, ["#6ae04a", "#14a02c", "#b8f03a"], 9), 0.0, 0.0, 3.2)


def _cyan():
    pal = _hue("#03404a", "#0ab4c8", "#4ae8f0", "#e0ffff")
    inner = Palette([(0, "#e8ffff"), (0.3, "#30d8e8"), (0.7, "#0a8a9e"), (1, "#03404a")], cycle=False)
    return render(mandel_like(sq, pal, lambda t: inner(t * 2.0), 0.7, 300, offset=-0.9, julia=complex(-0.8, 0.156)),
                  0.0, 0.0, 3.2)


def _blue():
    pal = _hue("#06104a", "#1a3ad8", "#5a8aff", "#e0eaff")
    return render(mandel_like(sq, pal, linear("#0a1670"), 0.6, 400, offset=-0.6), -0.745, 0.12, 0.14)


def _violet():
    pal = _hue("#2a0650", "#7a2ad8", "#b07aff", "#f0e0ff")
    return render(mandel_like(bar, pal, linear("#1a0430"), 0.7, 250, offset=-0.9), -0.25, 0.0, 3.8)


def _magenta():
    pal = _hue("#4a0640", "#d01ab8", "#ff6ae0", "#ffe0f8")
    inner = Palette([(0, "#ffe0f8"), (0.3, "#ff6ae0"), (0.7, "#a0108e"), (1, "#4a0640")], cycle=False)
    return render(mandel_like(sq, pal, lambda t: inner(t * 1.6), 0.7, 300, offset=-0.9, julia=complex(0.285, 0.01)),
                  0.0, 0.0, 2.7)


def _rainbow():
    return render(newton(5, ["#ff3a3a", "#ffd23a", "#3ad25a", "#3a8aff", "#c83aff"], 12), 0.0, 0.0, 3.0)


FRACTALS = [
    ("red Mandelbrot set", _red),
    ("orange rabbit Julia set", _orange),
    ("golden burning ship", _yellow),
    ("green Newton basins of z^3 = 1", _green),
    ("cyan Julia set", _cyan),
    ("blue seahorse valley", _blue),
    ("violet tricorn", _violet),
    ("magenta Julia set", _magenta),
    ("rainbow Newton basins of z^5 = 1", _rainbow),
]


def make_fractal(kind):
    return encode_png(SIDE, SIDE, FRACTALS[kind - 1][1](), alpha=False)
