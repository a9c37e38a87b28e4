#!/usr/bin/env python3
"""Makes the program's four short wave files in share/: type, whoosh, rip and
thunder. They are synthesised here (no recordings), 8-bit mono at 11025 Hz so
that they stay a few kilobytes each. Run it again to remake them:
    python3 tools/make-sounds.py
"""
import math
import os
import random
import struct
import wave

RATE = 11025
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "share")


def write(name, samples):
    frames = bytes(max(0, min(255, int(128 + 127 * s))) for s in samples)
    with wave.open(os.path.join(OUT, name), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(RATE)
        w.writeframes(frames)


def envelope(i, n, attack=0.01, release=0.5):
    t = i / n
    if t < attack:
        return t / attack
    return max(0.0, 1.0 - (t - attack) / (1.0 - attack)) ** (1.0 / release)


def key_click():
    n = int(RATE * 0.045)
    rnd = random.Random(1)
    out = []
    for i in range(n):
        decay = math.exp(-i / (RATE * 0.006))
        tone = math.sin(2 * math.pi * 1800 * i / RATE)
        out.append(0.7 * decay * (0.6 * tone + 0.4 * (rnd.random() * 2 - 1)))
    return out


def whoosh():
    n = int(RATE * 0.32)
    rnd = random.Random(2)
    out, low = [], 0.0
    for i in range(n):
        # Noise through a one-pole filter whose opening sweeps up and down.
        t = i / n
        a = 0.05 + 0.5 * math.sin(math.pi * t)
        low += a * ((rnd.random() * 2 - 1) - low)
        out.append(0.9 * math.sin(math.pi * t) * low * 2)
    return out


def rip():
    n = int(RATE * 0.5)
    out = []
    for i in range(n):
        t = i / RATE
        f = 520 + 380 * (i / n)  # a rising chirp: the job is done
        out.append(0.55 * envelope(i, n, 0.02, 0.7) * math.sin(2 * math.pi * f * t)
                   + 0.2 * envelope(i, n, 0.02, 0.7) * math.sin(4 * math.pi * f * t))
    return out


def thunder():
    n = int(RATE * 1.4)
    rnd = random.Random(3)
    out, low, lower = [], 0.0, 0.0
    for i in range(n):
        t = i / n
        crack = math.exp(-i / (RATE * 0.05))
        rumble = (1 - t) ** 1.5 * (0.6 + 0.4 * math.sin(2 * math.pi * 3.1 * t))
        noise = rnd.random() * 2 - 1
        low += 0.08 * (noise - low)
        lower += 0.02 * (low - lower)
        out.append(max(-1, min(1, 0.8 * crack * noise + 5.0 * rumble * lower + 2.0 * rumble * low * 0.3)))
    return out


if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    write("type.wav", key_click())
    write("whoosh.wav", whoosh())
    write("rip.wav", rip())
    write("thunder.wav", thunder())
