#!/usr/bin/env python3
"""Draws ZEP's icon, a white "Z" on a navy tile, as a 32x32, 16-colour .ico.

    tools/make_icon.py OUT.ico          the program's icon (rounded corners)
    tools/make_icon.py --stub OUT.ico   the compiled programs' icon

The colours are the 16 of the compiler's icon palette, white last. The
program's icon has transparent rounded corners; the compiler reads it as
its standard icon. The compiled programs' runtime has a square tile with
no transparency, so that its bottom row is all navy (colour 4): the
compiler finds the image by the white end of its palette followed by that
row, and writes the chosen icon over it.
"""
import struct
import sys

SIZE = 32
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (128, 128, 128),
    (192, 192, 192), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
NAVY, WHITE = 4, 15


def in_z(x, y):
    return (6 <= y <= 9 and 7 <= x <= 24) or (22 <= y <= 25 and 7 <= x <= 24) or \
        (9 < y < 22 and abs((x - 7) - (24 - 7) * (22 - y) / 13.0) <= 2.2)


def in_corner(x, y):
    corner = 5
    cx = min(x, SIZE - 1 - x)
    cy = min(y, SIZE - 1 - y)
    return cx < corner and cy < corner and (corner - cx) ** 2 + (corner - cy) ** 2 > corner ** 2


def image(rounded):
    rows, mask_rows = [], []
    for y in reversed(range(SIZE)):  # bottom-up
        indices = [WHITE if in_z(x, y) else NAVY for x in range(SIZE)]
        clear = [rounded and in_corner(x, y) for x in range(SIZE)]
        rows.append(bytes(indices[x] << 4 | indices[x + 1] for x in range(0, SIZE, 2)))
        bits = 0
        for x in range(SIZE):
            bits = bits << 1 | clear[x]
        mask_rows.append(struct.pack('>I', bits))
    pixels = b''.join(rows)
    mask = b''.join(mask_rows)
    palette = b''.join(bytes((b, g, r, 0)) for (r, g, b) in PALETTE)
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 4, 0, len(pixels) + len(mask),
                         0, 0, 16, 0)
    return header + palette + pixels + mask


def main(args):
    stub = args[0] == '--stub'
    path = args[-1]
    data = image(rounded=not stub)
    icon = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', SIZE, SIZE, 16, 0, 1, 4,
                                                      len(data), 22) + data
    with open(path, 'wb') as f:
        f.write(icon)


if __name__ == '__main__':
    main(sys.argv[1:])
