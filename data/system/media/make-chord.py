#!/usr/bin/env python3
"""Synthesises chord.wav, the program's bundled error sound.

A C major triad (C5, E5, G5) with a few milliseconds of attack and an exponential
decay, 0.45 s of 16-bit mono at 22050 Hz. Only integer arithmetic and rounding touch
the samples after the sine values, so the file comes out the same byte for byte.

    data/system/media/make-chord.py [OUT]      (default: chord.wav beside this script)
"""

import math
import os
import struct
import sys
import wave

RATE = 22050
SECONDS = 0.45
NOTES = (523.25, 659.26, 783.99)   # C5, E5, G5
ATTACK = 0.006                      # seconds
DECAY = 0.11                        # seconds for the level to fall to 1/e
PEAK = 0.5                          # of full scale, shared by the three notes


def samples():
    count = round(RATE * SECONDS)
    fade = round(RATE * 0.02)       # the last 20 ms fade to silence, so the end never clicks
    for n in range(count):
        t = n / RATE
        level = min(1.0, t / ATTACK) * math.exp(-t / DECAY)
        if n >= count - fade:
            level *= (count - n) / fade
        value = sum(math.sin(2 * math.pi * f * t) for f in NOTES) / len(NOTES)
        yield max(-32767, min(32767, round(value * level * PEAK * 32767)))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "chord.wav")
    data = b"".join(struct.pack("<h", s) for s in samples())
    with wave.open(out, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(data)


if __name__ == "__main__":
    main()
