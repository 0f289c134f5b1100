#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes ok.wav and ng.wav: 16-bit PCM, mono, 22050 Hz.

OK is a bright rising two-note chime, NG a soft low double tone. Both are short,
so a learner grading quickly never hears them pile up.
"""
import math
import os
import struct
import wave

RATE = 22050


def tone(freq, start, length, volume, decay, attack=0.004, harmonics=((1, 1.0),)):
    """One note as (start sample, samples), with a soft attack and an exponential fade."""
    count = int(length * RATE)
    samples = []
    for n in range(count):
        t = n / RATE
        envelope = min(1.0, t / attack) * math.exp(-t * decay)
        # A short linear fade at the very end avoids a click when the note stops.
        envelope *= min(1.0, (count - n) / (0.01 * RATE))
        value = sum(weight * math.sin(2 * math.pi * freq * ratio * t) for ratio, weight in harmonics)
        samples.append(volume * envelope * value)
    return int(start * RATE), samples


def mix(length, notes):
    buffer = [0.0] * int(length * RATE)
    for start, samples in notes:
        for n, value in enumerate(samples):
            if start + n < len(buffer):
                buffer[start + n] += value
    return buffer


def write(path, buffer):
    peak = max(1e-9, max(abs(v) for v in buffer))
    scale = min(1.0, 0.9 / peak)
    frames = b"".join(struct.pack("<h", int(round(v * scale * 32767))) for v in buffer)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def ok_sound():
    bell = ((1, 1.0), (2, 0.35), (3, 0.12))
    return mix(0.36, [
        tone(1046.5, 0.00, 0.16, 0.45, 14, harmonics=bell),  # C6
        tone(1568.0, 0.09, 0.27, 0.55, 11, harmonics=bell),  # G6
    ])


def ng_sound():
    soft = ((1, 1.0), (2, 0.15))
    return mix(0.34, [
        tone(196.0, 0.00, 0.14, 0.6, 12, attack=0.015, harmonics=soft),  # G3
        tone(174.6, 0.17, 0.17, 0.6, 10, attack=0.015, harmonics=soft),  # F3
    ])


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    write(os.path.join(folder, "ok.wav"), ok_sound())
    write(os.path.join(folder, "ng.wav"), ng_sound())


if __name__ == "__main__":
    main()
