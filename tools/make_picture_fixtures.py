#!/usr/bin/env python3
"""Writes the picture files the end-to-end tests of the picture commands read.

    tools/make_picture_fixtures.py OUT_DIR

Bitmaps of 1, 4, 8 and 24 bits, bottom-up and top-down, each 10 x 8 pixels
(so that every row needs padding) in four quadrants of known colours; the
same picture stored as 8- and 4-bit runs, as 16- and 32-bit bit fields
(masks after a 40-byte header and inside 108- and 124-byte ones) and with
OS/2 12-byte headers; a bitmap cut short and a text file named .bmp; two
bitmaps that lie about their size (for LoadGrpFile); and, through
ImageMagick's convert, a 16 x 16 JPEG and GIF and a 32 x 32 icon of one
colour each.
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


def file_header(offset, total):
    return struct.pack("<2sIHHI", b"BM", total, 0, 0, offset)


def info40(width, height, bits, compression, image_size, colours=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, image_size,
                       2835, 2835, colours, 0)


def with_head(header, extra, pixels):
    offset = 14 + len(header) + len(extra)
    return file_header(offset, offset + len(pixels)) + header + extra + pixels


# Run-length streams, bottom row first, of the quadrant picture. The top-left
# quadrant (index 0, red) is skipped by moves or written as runs of 0.
RLE8 = (
    "0502 0503 0000 " "0502 0503 0000 "
    "0005 0202020202 00 0005 0303030303 00 0000 "      # odd absolute runs, padded
    "000A 02020202020303030303 0000 "                 # an even one
    "0002 0500 0501 0000 " "0500 0501 0000 "          # a move over the red quadrant
    "0002 0500 0501 0000 " "0002 0500 0501 0001")      # ends without an end of line

RLE4 = (
    "0522 0533 0000 " "0522 0533 0000 "
    "0005 222220 00 0533 0000 "                       # 5 pixels in 3 bytes, padded
    "000A 2222233333 00 0000 "
    "0500 0511 0000 " "0002 0500 0511 0000 "
    "0003 0000 0200 0511 0000 " "0500 0511 0000 0001")


def rle(bits):
    colours = table(bits)
    runs = bytes.fromhex((RLE8 if bits == 8 else RLE4).replace(" ", ""))
    return with_head(info40(WIDTH, HEIGHT, bits, 1 if bits == 8 else 2, len(runs)), colours, runs)


# Bit-field pictures: the masks of red, green and blue and the value of each
# quadrant's colour.
FIELDS = {
    "565": (16, (0xF800, 0x07E0, 0x001F)),
    "555": (16, (0x7C00, 0x03E0, 0x001F)),
    "rgba": (32, (0x000000FF, 0x0000FF00, 0x00FF0000)),
    "1010": (32, (0x3FF00000, 0x000FFC00, 0x000003FF)),
}


def field_value(masks, colour):
    value = 0
    for mask, channel in zip(masks, colour):
        shift = (mask & -mask).bit_length() - 1
        top = mask >> shift
        value |= (channel * top // 255) << shift
    return value


def field_pixels(bits, masks, top_down):
    rows = range(HEIGHT) if top_down else range(HEIGHT - 1, -1, -1)
    pack = "<H" if bits == 16 else "<I"
    out = b""
    for y in rows:
        row = b"".join(struct.pack(pack, field_value(masks, QUADRANTS[quadrant(x, y)]))
                       for x in range(WIDTH))
        out += row + b"\0" * ((-len(row)) % 4)
    return out


def bitfields(kind, header_size, top_down):
    bits, masks = FIELDS[kind]
    pixels = field_pixels(bits, masks, top_down)
    height = -HEIGHT if top_down else HEIGHT
    head = info40(WIDTH, height, bits, 3, len(pixels))
    mask_bytes = struct.pack("<III", *masks)
    if header_size == 40:
        return with_head(head, mask_bytes, pixels)
    inside = struct.pack("<I", header_size) + head[4:] + mask_bytes + struct.pack("<II", 0, 0x73524742)
    inside += b"\0" * (header_size - len(inside))
    return with_head(inside, b"", pixels)


def os2(bits):
    colours = b"".join(entry[:3] for entry in (table(bits)[i:i + 4]
                                              for i in range(0, len(table(bits)), 4))) \
        if bits <= 8 else b""
    pixels = b"".join(row_bytes(bits, y) for y in range(HEIGHT - 1, -1, -1))
    return with_head(struct.pack("<IHHHH", 12, WIDTH, HEIGHT, 1, bits), colours, pixels)


def lying_bitmaps():
    """A 154-byte bitmap that declares 1,000,000 x 7 pixels of 24 bits, and a
    sound 24-bit bitmap whose header size field says 0xFF000028."""
    wide = file_header(54, 154) + info40(1000000, 7, 24, 0, 0) + bytes(range(100))
    header_size = bytearray(bmp(24, False))
    header_size[14:18] = struct.pack("<I", 0xFF000028)
    return wide, bytes(header_size)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for bits in (1, 4, 8, 24):
        for top_down in (False, True):
            name = "bmp%d%s.bmp" % (bits, "td" if top_down else "")
            with open(os.path.join(out, name), "wb") as f:
                f.write(bmp(bits, top_down))
    others = {"rle8.bmp": rle(8), "rle4.bmp": rle(4),
              "bf16.bmp": bitfields("565", 40, False),
              "bf16v4td.bmp": bitfields("555", 108, True),
              "bf32v5.bmp": bitfields("rgba", 124, False),
              "bf32td.bmp": bitfields("1010", 40, True)}
    for bits in (1, 4, 8, 24):
        others["os2_%d.bmp" % bits] = os2(bits)
    others["grp_wide.bmp"], others["grp_hdrsize.bmp"] = lying_bitmaps()
    for name, data in others.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
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
