#!/usr/bin/env python3
"""Writes the sound files the end-to-end tests of the sound commands play.

    tools/make_sound_fixtures.py OUT_DIR

tone.wav: half a second of a loud 441 Hz square wave, 8-bit mono at 22050
samples per second; tune.mid: a MIDI file of one track with one note.
"""
import os
import struct
import sys


def wave(samples):
    data = bytes(samples)
    fmt = struct.pack("<HHIIHH", 1, 1, 22050, 22050, 1, 8)
    return (b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVE" +
            b"fmt " + struct.pack("<I", len(fmt)) + fmt +
            b"data" + struct.pack("<I", len(data)) + data)


def midi():
    track = bytes([0x00, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0, 0x00, 0xFF, 0x2F, 0x00])
    return (b"MThd" + struct.pack(">IHHH", 6, 0, 1, 480) +
            b"MTrk" + struct.pack(">I", len(track)) + track)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    tone = [200 if (i // 25) % 2 else 56 for i in range(11025)]
    with open(os.path.join(out, "tone.wav"), "wb") as f:
        f.write(wave(tone))
    with open(os.path.join(out, "tune.mid"), "wb") as f:
        f.write(midi())


if __name__ == "__main__":
    main()
