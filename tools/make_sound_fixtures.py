#!/usr/bin/env python3
"""Writes the sound files the end-to-end tests of the sound commands play.

    tools/make_sound_fixtures.py OUT_DIR

tone.wav: half a second of a loud 441 Hz square wave, 8-bit mono at 22050
samples per second; tone16s.wav: the same tone as 16-bit stereo;
tone_ext.wav: the tone as 16-bit mono in the extensible format with the
PCM subformat; tune.mid: a MIDI file of one track with one note.

Wave files the player cannot play, each the tone with one field of its
format block wrong: zero_channels.wav (0 channels, block align and byte
rate 0 as a writer that multiplies would give), one_bit.wav (1 bit per
sample).
"""
import os
import struct
import sys

PCM = 1
EXTENSIBLE = 0xFFFE
# KSDATAFORMAT_SUBTYPE_PCM, as its bytes lie in a file.
PCM_SUBFORMAT = bytes.fromhex("0100000000001000800000aa00389b71")


def fmt_block(channels, bits, rate=22050, tag=PCM, block_align=None, byte_rate=None):
    if block_align is None:
        block_align = channels * bits // 8
    if byte_rate is None:
        byte_rate = rate * block_align
    fmt = struct.pack("<HHIIHH", tag, channels, rate, byte_rate, block_align, bits)
    if tag == EXTENSIBLE:
        mask = 0x4 if channels == 1 else 0x3
        fmt += struct.pack("<HHI", 22, bits, mask) + PCM_SUBFORMAT
    return fmt


def wave(data, fmt):
    return (b"RIFF" + struct.pack("<I", 4 + 8 + len(fmt) + 8 + len(data)) + b"WAVE" +
            b"fmt " + struct.pack("<I", len(fmt)) + fmt +
            b"data" + struct.pack("<I", len(data)) + data)


def midi():
    track = bytes([0x00, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0, 0x00, 0xFF, 0x2F, 0x00])
    return (b"MThd" + struct.pack(">IHHH", 6, 0, 1, 480) +
            b"MTrk" + struct.pack(">I", len(track)) + track)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    high = [(i // 25) % 2 == 1 for i in range(11025)]
    tone8 = bytes(200 if h else 56 for h in high)
    tone16 = b"".join(struct.pack("<h", 18000 if h else -18000) for h in high)
    tone16s = b"".join(struct.pack("<hh", 18000 if h else -18000, 18000 if h else -18000)
                       for h in high)
    files = {
        "tone.wav": wave(tone8, fmt_block(1, 8)),
        "tone16s.wav": wave(tone16s, fmt_block(2, 16)),
        "tone_ext.wav": wave(tone16, fmt_block(1, 16, tag=EXTENSIBLE)),
        "zero_channels.wav": wave(tone8, fmt_block(0, 8)),
        "one_bit.wav": wave(tone8, fmt_block(1, 1, block_align=1, byte_rate=22050)),
        "tune.mid": midi(),
    }
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
