#!/usr/bin/env python3
"""Draws the application icon (a 32x32 "Z" on a blue tile) as an .ico file."""
import struct
import sys

SIZE = 32


def pixel(x, y):
    """BGRA of one pixel: a rounded blue tile with a white Z."""
    corner = 5
    cx = min(x, SIZE - 1 - x)
    cy = min(y, SIZE - 1 - y)
    if cx < corner and cy < corner and (corner - cx) ** 2 + (corner - cy) ** 2 > corner ** 2:
        return (0, 0, 0, 0)
    in_z = (6 <= y <= 9 and 7 <= x <= 24) or (22 <= y <= 25 and 7 <= x <= 24) or \
        (9 < y < 22 and abs((x - 7) - (24 - 7) * (22 - y) / 13.0) <= 2.2)
    if in_z:
        return (255, 255, 255, 255)
    return (200, 90, 20, 255)


def main(path):
    xor = b''.join(bytes(pixel(x, y)) for y in reversed(range(SIZE)) for x in range(SIZE))
    and_mask = bytes(4 * SIZE)  # 32 rows of 4 bytes; alpha carries the shape
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(and_mask),
                         0, 0, 0, 0)
    image = header + xor + and_mask
    icon = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, 1, 32,
                                                      len(image), 22) + image
    with open(path, 'wb') as f:
        f.write(icon)


if __name__ == '__main__':
    main(sys.argv[1])
