#!/usr/bin/env python3
"""Writes the picture files the end-to-end tests of the picture commands read.

    tools/make_picture_fixtures.py OUT_DIR

Bitmaps of 1, 4, 8 and 24 bits, bottom-up and top-down, each 10 x 8 pixels
(so that every row needs padding) in four quadrants of known colours; a
bitmap cut short and a text file named .bmp; and, through ImageMagick's
convert, a 16 x 16 JPEG and GIF and a 32 x 32 icon of one colour each.
"""
import os
import struct
import subprocess
import sys

WIDTH, HEIGHT = 10, 8
# Top-left, top-right, bottom-left, bottom-right, as (red, green, blue).
QUADRANTS = [(255, 0, 0), (0, 0, 255), (0, 255, 0), (255, 255, 0)]
FILLER = (128, 128, 128)


def quadrant(x, y):
    return 2 * (y >= HEIGHT // 2) + (x >= WIDTH // 2)


def index_of(bits, x, y):
    """The colour-table index of a pixel. One bit cannot name four colours:
    there the top-left and bottom-right quadrants take entry 0, the others 1."""
    q = quadrant(x, y)
    return (q in (1, 2)) if bits == 1 else q


def table(bits):
    colours = [QUADRANTS[0], QUADRANTS[1]] if bits == 1 else QUADRANTS
    colours = colours + [FILLER] * ((1 << bits) - len(colours))
    return b"".join(bytes([b, g, r, 0]) for r, g, b in colours)


def row_bytes(bits, y):
    if bits == 24:
        data = b"".join(bytes(reversed(QUADRANTS[quadrant(x, y)])) for x in range(WIDTH))
    else:
        value, count = 0, 0
        data = bytearray()
        for x in range(WIDTH):
            value = (value << bits) | index_of(bits, x, y)
            count += bits
            if count == 8:
                data.append(value)
                value, count = 0, 0
        if count:
            data.append(value << (8 - count))
        data = bytes(data)
    return data + b"\0" * ((-len(data)) % 4)


def bmp(bits, top_down):
    colours = table(bits) if bits <= 8 else b""
    rows = range(HEIGHT) if top_down else range(HEIGHT - 1, -1, -1)
    pixels = b"".join(row_bytes(bits, y) for y in rows)
    offset = 14 + 40 + len(colours)
    height = -HEIGHT if top_down else HEIGHT
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, height, 1, bits, 0, len(pixels), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + colours + pixels


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for bits in (1, 4, 8, 24):
        for top_down in (False, True):
            name = "bmp%d%s.bmp" % (bits, "td" if top_down else "")
            with open(os.path.join(out, name), "wb") as f:
                f.write(bmp(bits, top_down))
    whole = bmp(24, False)
    with open(os.path.join(out, "cut.bmp"), "wb") as f:
        f.write(whole[: len(whole) - 5])
    with open(os.path.join(out, "text.bmp"), "wb") as f:
        f.write(b"This is not a picture.\r\n")
    for name, size, colour in (("black.jpg", 16, "black"), ("red.gif", 16, "red"),
                               ("blue.ico", 32, "blue")):
        subprocess.run(["convert", "-size", "%dx%d" % (size, size), "xc:" + colour,
                        "-units", "PixelsPerInch", "-density", "96",
                        os.path.join(out, name)], check=True)


if __name__ == "__main__":
    main()
