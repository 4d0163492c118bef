#!/usr/bin/env python3
# Writes the two game sounds to assets/snd/ (or to the folder given with --out):
#
#     python3 tools/gen_sounds.py [--out DIR]
#
# OPENING.WAV   played when a game starts: a rising four-note chime, 0.75 s
# APPLAUSE.wav  played when a game ends: a short brass fanfare, 1.8 s
#
# Both are 16-bit PCM mono at 44100 Hz, synthesised from sine partials with
# smooth envelopes (no clicks), peaking at -6 dBFS. Standard library only;
# the output is the same on every run.

import argparse
import math
import os
import struct
import wave

RATE = 44100
PEAK = 0.5  # -6 dBFS


def note_hz(name):
    """'C5', 'G#4' ... to Hz (A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    base = steps[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        base += 1
        rest = rest[1:]
    octave = int(rest)
    return 440.0 * 2 ** ((base + 12 * (octave - 4)) / 12.0)


def smooth_step(x):
    """0 -> 0, 1 -> 1, with zero slope at both ends (raised cosine)."""
    if x <= 0:
        return 0.0
    if x >= 1:
        return 1.0
    return 0.5 - 0.5 * math.cos(math.pi * x)


def add_bell(buf, start, hz, gain, decay=0.28):
    """A struck bell: a few partials, each dying away, higher ones faster."""
    partials = [(1.0, 1.0), (2.0, 0.32), (3.0, 0.12), (4.16, 0.06)]
    attack = 0.006
    length = int(min(len(buf) - int(start * RATE), decay * 6 * RATE))
    s0 = int(start * RATE)
    for i in range(length):
        t = i / RATE
        env = smooth_step(t / attack)
        v = 0.0
        for mult, amp in partials:
            v += amp * math.exp(-t * mult / decay) * math.sin(2 * math.pi * hz * mult * t)
        buf[s0 + i] += gain * env * v


def add_brass(buf, start, length, hz, gain):
    """A brass-like note: harmonics that brighten during the attack, a gentle
    vibrato once the note is held, and soft attack and release."""
    attack, release = 0.025, 0.06
    s0 = int(start * RATE)
    n = int(length * RATE)
    phase = 0.0
    for i in range(n):
        t = i / RATE
        env = smooth_step(t / attack) * smooth_step((length - t) / release)
        bright = 0.35 + 0.65 * smooth_step(t / 0.08)
        vib = 1.0 + 0.004 * math.sin(2 * math.pi * 5.5 * t) * smooth_step((t - 0.15) / 0.2)
        phase += 2 * math.pi * hz * vib / RATE
        v = 0.0
        for k in range(1, 9):
            v += (bright ** (k - 1)) / k * math.sin(k * phase)
        buf[s0 + i] += gain * env * v


def finish(buf, fade_out):
    """Scales to the peak level and fades both ends to exact silence."""
    n = len(buf)
    fade_in = int(0.003 * RATE)
    fo = int(fade_out * RATE)
    for i in range(fade_in):
        buf[i] *= smooth_step(i / fade_in)
    for i in range(fo):
        buf[n - 1 - i] *= smooth_step(i / fo)
    buf[0] = buf[-1] = 0.0
    top = max(abs(v) for v in buf) or 1.0
    return [v * PEAK / top for v in buf]


def write_wav(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(round(v * 32767))) for v in samples))


def opening():
    buf = [0.0] * int(0.75 * RATE)
    for k, name in enumerate(["C5", "E5", "G5", "C6"]):
        add_bell(buf, 0.085 * k, note_hz(name), 1.0 if k < 3 else 1.2)
    return finish(buf, 0.12)


def fanfare():
    buf = [0.0] * int(1.8 * RATE)
    # three short pick-up notes, then a held major chord
    for k in range(3):
        add_brass(buf, 0.13 * k, 0.11, note_hz("G4"), 1.7)
    for name, gain in [("C4", 0.45), ("C5", 0.8), ("E5", 0.5), ("G5", 0.45)]:
        add_brass(buf, 0.4, 1.33, note_hz(name), gain)
    # a light sparkle over the chord
    for k, name in enumerate(["C6", "E6", "G6", "C7"]):
        add_bell(buf, 0.47 + 0.07 * k, note_hz(name), 0.18, decay=0.35)
    return finish(buf, 0.1)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser()
    ap.add_argument("--out", default=os.path.join(here, "..", "assets", "snd"))
    args = ap.parse_args()
    os.makedirs(args.out, exist_ok=True)
    for name, make in [("OPENING.WAV", opening), ("APPLAUSE.wav", fanfare)]:
        path = os.path.normpath(os.path.join(args.out, name))
        write_wav(path, make())
        print(path)


if __name__ == "__main__":
    main()
