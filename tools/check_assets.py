#!/usr/bin/env python3
# Checks the files in assets/ for what the program and the build rely on:
#
#     python3 tools/check_assets.py [--regen]
#
# - all 45 tile pictures exist, one source each (tile_NN.svg, or tile_NN.png for
#   bitmaps), SVGs on a 0 0 96 96 view box using only what Qt's SVG Tiny
#   renderer draws (no <style>, CSS, filters, masks, clip paths, images or
#   scripts) and with every url(#id) defined; PNGs square and at least 96 px;
# - the icon: SVG, a 256 px PNG with alpha, the icon theme's PNGs (16 to 128
#   px) with alpha, and an ICO holding 16, 32, 48 and 256 px images whose
#   entries lie inside the file;
# - the sounds: 16-bit PCM mono WAV at 22050 or 44100 Hz, of the expected
#   length, peaking below -3 dBFS and starting and ending in silence;
# - with --regen, that running the generators again gives the same bytes
#   (the committed files are the generators' output; takes about a minute).
#
# Ends with a line "N passed, N failed"; the exit status is 1 on any failure.

import argparse
import filecmp
import os
import re
import struct
import subprocess
import sys
import tempfile
import wave
import xml.etree.ElementTree as ET
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
ASSETS = os.path.normpath(os.path.join(HERE, "..", "assets"))
SVG_NS = "{http://www.w3.org/2000/svg}"

# Elements and attributes Qt's SVG Tiny renderer does not draw (or draws wrongly).
BANNED_ELEMENTS = {"style", "filter", "mask", "clipPath", "pattern", "image", "script", "foreignObject",
                   "symbol", "marker", "feGaussianBlur"}
BANNED_ATTRIBUTES = {"style", "class", "filter", "mask", "clip-path", "marker-start", "marker-end"}

passed = 0
failures = []


def check(name, ok, detail=""):
    global passed
    if ok:
        passed += 1
    else:
        failures.append("%s%s" % (name, ": " + detail if detail else ""))
        print("FAIL %s%s" % (name, ": " + detail if detail else ""))


def png_info(data):
    """(width, height, colour type) of a PNG, or None when it is not one."""
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        return None
    w, h, depth, ctype = struct.unpack(">IIBB", data[16:26])
    if zlib.crc32(data[12:29]) & 0xFFFFFFFF != struct.unpack(">I", data[29:33])[0]:
        return None
    return w, h, ctype


def svg_problems(path):
    problems = []
    try:
        root = ET.parse(path).getroot()
    except ET.ParseError as e:
        return ["not well-formed XML: %s" % e]
    if root.tag != SVG_NS + "svg":
        problems.append("root is not <svg>")
    if (root.get("viewBox") or "").split() != ["0", "0", "96", "96"]:
        problems.append("view box is %r, not 0 0 96 96" % root.get("viewBox"))
    ids = set()
    refs = set()
    for el in root.iter():
        tag = el.tag.replace(SVG_NS, "")
        if tag in BANNED_ELEMENTS:
            problems.append("uses <%s>" % tag)
        for k, v in el.attrib.items():
            if k in BANNED_ATTRIBUTES:
                problems.append("uses the attribute %s" % k)
            if k == "id":
                ids.add(v)
            refs.update(re.findall(r"url\(#([^)]+)\)", v))
    for r in sorted(refs - ids):
        problems.append("refers to the undefined #%s" % r)
    return problems


def check_tiles(folder):
    for n in range(1, 46):
        base = os.path.join(folder, "tile_%02d" % n)
        have = [ext for ext in ("svg", "png") if os.path.exists(base + "." + ext)]
        name = "tile_%02d" % n
        check(name + " has exactly one source", len(have) == 1, "found %s" % (have or "none"))
        if have == ["svg"]:
            problems = svg_problems(base + ".svg")
            check(name + ".svg draws in Qt", not problems, "; ".join(problems))
        elif have == ["png"]:
            with open(base + ".png", "rb") as f:
                info = png_info(f.read())
            check(name + ".png is a square PNG of 96 px or more",
                  info is not None and info[0] == info[1] >= 96, "header %s" % (info,))
    strays = [f for f in os.listdir(folder) if not re.fullmatch(r"tile_(0[1-9]|[1-3][0-9]|4[0-5])\.(svg|png)", f)]
    check("no other files among the tiles", not strays, ", ".join(strays))


def check_icon(folder):
    problems = svg_problems(os.path.join(folder, "quellix.svg"))
    check("quellix.svg draws in Qt", not problems, "; ".join(problems))
    with open(os.path.join(folder, "quellix.png"), "rb") as f:
        info = png_info(f.read())
    check("quellix.png is 256 x 256 with alpha", info == (256, 256, 6), "header %s" % (info,))
    for size in (16, 22, 24, 32, 48, 64, 128):
        with open(os.path.join(folder, "quellix-%d.png" % size), "rb") as f:
            info = png_info(f.read())
        check("quellix-%d.png is %d x %d with alpha" % (size, size, size), info == (size, size, 6), "header %s" % (info,))
    with open(os.path.join(folder, "quellix.ico"), "rb") as f:
        ico = f.read()
    reserved, kind, count = struct.unpack("<HHH", ico[:6])
    check("quellix.ico has an icon directory", reserved == 0 and kind == 1 and count > 0)
    sizes = []
    for i in range(count):
        w, h, _, _, planes, bits, length, offset = struct.unpack("<BBBBHHII", ico[6 + 16 * i:22 + 16 * i])
        w, h = w or 256, h or 256
        image = ico[offset:offset + length]
        inside = offset + length <= len(ico) and len(image) == length
        check("quellix.ico image %d lies inside the file" % i, inside)
        if not inside:
            continue
        if image[:8] == b"\x89PNG\r\n\x1a\n":
            info = png_info(image)
            check("quellix.ico PNG image %d matches its entry" % i, info is not None and info[:2] == (w, h))
        else:
            bw, bh, bplanes, bbits = struct.unpack("<iiHH", image[4:16])
            mask_stride = ((w + 31) // 32) * 4
            check("quellix.ico bitmap %d matches its entry" % i,
                  (bw, bh, bbits) == (w, 2 * h, 32) and bits == 32 and length == 40 + w * h * 4 + mask_stride * h,
                  "%dx%d %d bit, %d bytes" % (bw, bh, bbits, length))
        sizes.append(w)
    check("quellix.ico holds 16, 32, 48 and 256 px", sorted(sizes) == [16, 32, 48, 256], str(sorted(sizes)))


def check_sound(path, shortest, longest):
    name = os.path.basename(path)
    try:
        with wave.open(path, "rb") as w:
            fmt = (w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getcomptype())
            frames = w.readframes(w.getnframes())
            rate = w.getframerate()
    except (wave.Error, EOFError, OSError) as e:
        check(name + " is a PCM wave file", False, str(e))
        return
    check(name + " is 16-bit PCM mono at 22050 or 44100 Hz", fmt in [(1, 2, 22050, "NONE"), (1, 2, 44100, "NONE")],
          str(fmt))
    samples = struct.unpack("<%dh" % (len(frames) // 2), frames)
    seconds = len(samples) / rate
    check(name + " lasts %.1f to %.1f s" % (shortest, longest), shortest <= seconds <= longest, "%.2f s" % seconds)
    peak = max(abs(s) for s in samples) if samples else 0
    check(name + " peaks below -3 dBFS and is not silent", 1000 < peak < 23197, "peak %d" % peak)
    edge = int(0.001 * rate)
    ends = max(abs(s) for s in samples[:edge] + samples[-edge:]) if samples else 0
    check(name + " starts and ends in silence",
          samples and abs(samples[0]) < 64 and abs(samples[-1]) < 64 and ends < 1200,
          "largest sample in the first and last millisecond %d" % ends)


def check_regenerated():
    with tempfile.TemporaryDirectory() as tmp:
        runs = [("gen_tiles.py", "tiles"), ("gen_icon.py", "icon"), ("gen_sounds.py", "snd")]
        for script, sub in runs:
            out = os.path.join(tmp, sub)
            result = subprocess.run([sys.executable, os.path.join(HERE, script), "--out", out],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
            check(script + " runs", result.returncode == 0, result.stderr.strip()[-400:])
            if result.returncode != 0:
                continue
            for f in sorted(os.listdir(out)):
                committed = os.path.join(ASSETS, sub, f)
                same = os.path.exists(committed) and filecmp.cmp(committed, os.path.join(out, f), shallow=False)
                check("%s/%s is the generator's output" % (sub, f), same)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--regen", action="store_true", help="also run the generators and compare their output")
    args = ap.parse_args()
    check_tiles(os.path.join(ASSETS, "tiles"))
    check_icon(os.path.join(ASSETS, "icon"))
    check_sound(os.path.join(ASSETS, "snd", "OPENING.WAV"), 0.4, 1.0)
    check_sound(os.path.join(ASSETS, "snd", "APPLAUSE.wav"), 1.2, 2.5)
    if args.regen:
        check_regenerated()
    print("%d passed, %d failed" % (passed, len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
