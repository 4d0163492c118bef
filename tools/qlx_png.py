# PNG writing and a few colour helpers shared by the asset generators.
# Not run on its own: gen_tiles.py and gen_icon.py import it.
# Standard library only (zlib and struct); output is byte-for-byte
# deterministic for the same pixels.

import struct
import zlib


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def _filter_rows(raw_rows, bpp):
    """Chooses, per row, the filter with the smallest sum of absolute
    differences (the usual heuristic) and returns the filtered stream."""
    out = bytearray()
    prev = bytes(len(raw_rows[0]))
    for row in raw_rows:
        n = len(row)
        candidates = []
        candidates.append((0, bytes(row)))
        sub = bytearray(n)
        up = bytearray(n)
        avg = bytearray(n)
        pae = bytearray(n)
        for i in range(n):
            a = row[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            x = row[i]
            sub[i] = (x - a) & 0xFF
            up[i] = (x - b) & 0xFF
            avg[i] = (x - ((a + b) >> 1)) & 0xFF
            pae[i] = (x - _paeth(a, b, c)) & 0xFF
        candidates += [(1, sub), (2, up), (3, avg), (4, pae)]

        def cost(buf):
            return sum(v if v < 128 else 256 - v for v in buf)

        kind, data = min(candidates, key=lambda kd: (cost(kd[1]), kd[0]))
        out.append(kind)
        out += data
        prev = row
    return bytes(out)


def encode_png(width, height, pixels, alpha):
    """pixels: bytes or bytearray, row-major, 4 bytes (RGBA) per pixel when
    alpha is true, else 3 (RGB). Returns the PNG file as bytes."""
    bpp = 4 if alpha else 3
    stride = width * bpp
    if len(pixels) != stride * height:
        raise ValueError("pixel buffer has the wrong size")
    rows = [pixels[y * stride:(y + 1) * stride] for y in range(height)]
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    data = zlib.compress(_filter_rows(rows, bpp), 9)
    return b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", ihdr) + _chunk(b"IDAT", data) + _chunk(b"IEND", b"")


def write_png(path, width, height, pixels, alpha):
    with open(path, "wb") as f:
        f.write(encode_png(width, height, pixels, alpha))


# Colours -------------------------------------------------------------------

def hex_rgb(h):
    h = h.lstrip("#")
    return tuple(int(h[i:i + 2], 16) for i in (0, 2, 4))


def rgb_hex(rgb):
    return "#%02x%02x%02x" % tuple(max(0, min(255, int(round(v)))) for v in rgb)


def mix(a, b, t):
    """Mixes two colours given as '#rrggbb'; t = 0 gives a, t = 1 gives b."""
    ra, rb = hex_rgb(a), hex_rgb(b)
    return rgb_hex(tuple(x + (y - x) * t for x, y in zip(ra, rb)))


def lighter(c, t):
    return mix(c, "#ffffff", t)


def darker(c, t):
    return mix(c, "#000000", t)


def srgb_to_linear(v):
    v /= 255.0
    return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4


def linear_to_srgb(v):
    v = max(0.0, min(1.0, v))
    v = v * 12.92 if v <= 0.0031308 else 1.055 * v ** (1 / 2.4) - 0.055
    return int(round(v * 255))
