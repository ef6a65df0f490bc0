#!/usr/bin/env python3
"""Draws the 20 standard button glyphs as 32x32, 16-colour icons.

    tools/make_glyphs.py                 writes resources/glyphs/glyph_NN_name.ico
    tools/make_glyphs.py --sheet X.png   also writes an enlarged contact sheet of them

Each icon holds one 4-bit image with the 16 standard colours and an AND mask
for transparency. The pictures are drawn with a few shape helpers (lines,
rectangles, polygons, discs and rings) rasterised with integer tests, so every
run writes the same bytes.

The editor's toolbar buttons are 22x22 and show the top-left 22x22 pixels of
their icon, and script buttons draw the glyph at the button's origin too, so
every picture sits inside that corner: its shapes stay within pixels 1..20 and
the rest of the 32x32 image is transparent.
"""
import math
import os
import struct
import sys
import zlib

SIZE = 32   # the icon image
FACE = 22   # the visible corner of a 22x22 toolbar button

# The standard 16 colours, in their usual order, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DRED, DGREEN, DYELLOW, DBLUE, DMAGENTA, DCYAN, LGREY = range(8)
GREY, RED, GREEN, YELLOW, BLUE, MAGENTA, CYAN, WHITE = range(8, 16)


# ---------------------------------------------------------------------------
# Pixel sets. Every shape is a frozenset of (x, y) pixels; coordinates are
# pixel positions with y growing downwards, and all bounds are inclusive.

def rect(x0, y0, x1, y1):
    """The pixels of the rectangle from (x0, y0) to (x1, y1)."""
    return frozenset((x, y) for y in range(y0, y1 + 1) for x in range(x0, x1 + 1))


def line(x0, y0, x1, y1):
    """A one-pixel Bresenham line, both end points included."""
    pixels = set()
    dx, dy = abs(x1 - x0), -abs(y1 - y0)
    sx, sy = (1 if x1 >= x0 else -1), (1 if y1 >= y0 else -1)
    err = dx + dy
    x, y = x0, y0
    while True:
        pixels.add((x, y))
        if x == x1 and y == y1:
            return frozenset(pixels)
        e2 = 2 * err
        if e2 >= dy:
            err += dy
            x += sx
        if e2 <= dx:
            err += dx
            y += sy


def polyline(points):
    """Lines through the points in order."""
    pixels = frozenset()
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        pixels |= line(x0, y0, x1, y1)
    return pixels


def polygon(points):
    """A filled polygon whose corners are pixel positions: the pixels inside
    it by the even-odd rule (exact integer arithmetic) and its edge lines."""
    pixels = set(polyline(list(points) + [points[0]]))
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    edges = list(zip(points, points[1:] + points[:1]))
    for y in range(min(ys), max(ys) + 1):
        for x in range(min(xs), max(xs) + 1):
            inside = False
            for (x1, y1), (x2, y2) in edges:
                if (y1 > y) != (y2 > y):
                    # x < x1 + (y - y1) * (x2 - x1) / (y2 - y1), multiplied out
                    lhs = (x - x1) * (y2 - y1)
                    rhs = (y - y1) * (x2 - x1)
                    if (lhs < rhs) if y2 > y1 else (lhs > rhs):
                        inside = not inside
            if inside:
                pixels.add((x, y))
    return frozenset(pixels)


def _in_disc(dx2, dy2, r2):
    """Is a pixel whose offset from the centre is (dx2, dy2) half pixels inside
    a circle of radius r2 half pixels? The rim is rounded half a pixel out,
    which gives the even, full-looking circles of hand-drawn icons."""
    return dx2 * dx2 + dy2 * dy2 <= r2 * r2 + r2


def _half(value):
    """A coordinate or radius given in whole or half pixels, in half pixels."""
    doubled = round(value * 2)
    assert doubled == value * 2, value
    return doubled


def disc(cx, cy, r):
    """A filled circle; the centre and radius may be whole or half pixels."""
    cx2, cy2, r2 = _half(cx), _half(cy), _half(r)
    return frozenset((x, y) for y in range(SIZE) for x in range(SIZE)
                     if _in_disc(2 * x - cx2, 2 * y - cy2, r2))


def ring(cx, cy, r_in, r_out, a0=0, a1=360):
    """The part of the disc of radius r_out outside the disc of radius r_in
    whose direction from the centre lies between a0 and a1 degrees
    (counter-clockwise from the right, as on a clock face turned upwards)."""
    cx2, cy2, ri2, ro2 = _half(cx), _half(cy), _half(r_in), _half(r_out)
    pixels = set()
    for y in range(SIZE):
        for x in range(SIZE):
            dx2, dy2 = 2 * x - cx2, 2 * y - cy2
            if not _in_disc(dx2, dy2, ro2) or _in_disc(dx2, dy2, ri2):
                continue
            angle = math.degrees(math.atan2(-dy2, dx2)) % 360
            if any(a0 <= a <= a1 for a in (angle - 360, angle, angle + 360)):
                pixels.add((x, y))
    return frozenset(pixels)


def mirror(pixels):
    """The pixels reflected left to right within the visible corner."""
    return frozenset((FACE - 1 - x, y) for x, y in pixels)


def border(pixels):
    """The pixels of a shape that touch its outside (4-neighbours): a one-pixel
    outline that follows diagonals as a thin line."""
    return frozenset((x, y) for x, y in pixels
                     if any(n not in pixels for n in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1))))


# ---------------------------------------------------------------------------
# The canvas: 32x32 palette indices, None where the icon is transparent.

class Canvas:
    def __init__(self):
        self.pixels = [[None] * SIZE for _ in range(SIZE)]

    def paint(self, pixels, colour):
        for x, y in pixels:
            if 0 <= x < SIZE and 0 <= y < SIZE:
                self.pixels[y][x] = colour

    def shape(self, pixels, fill, outline=BLACK):
        """A shape filled with one colour and outlined with another."""
        edge = border(pixels)
        self.paint(pixels - edge, fill)
        self.paint(edge, outline)

    def box(self, x0, y0, x1, y1, fill, outline=BLACK):
        self.shape(rect(x0, y0, x1, y1), fill, outline)

    def line(self, x0, y0, x1, y1, colour):
        self.paint(line(x0, y0, x1, y1), colour)


# ---------------------------------------------------------------------------
# Recurring parts of the pictures.

def sheet(c, x0, y0, x1, y1, fold=4, text=None, text_colour=GREY):
    """A white sheet of paper with a folded top-right corner and optionally
    lines of text (their left and right ends and rows)."""
    outline = polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)])
    c.shape(outline, WHITE)
    corner = polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)])
    c.shape(corner, LGREY)
    if text:
        for y in range(y0 + 3, y1 - 1, 2):
            right = x1 - 2 if y > y0 + fold else x1 - fold - 2
            # Uneven line lengths read as text rather than as a pattern.
            right -= (0, 2, 0, 4, 1, 3)[(y - y0) // 2 % 6] if y < y1 - 3 else 5
            c.line(x0 + 2, y, max(x0 + 3, right), y, text_colour)


def lens(c, cx, cy, r, handle_from, handle_to):
    """A magnifying glass: a dark rim around light glass with a gleam, and a
    thick handle."""
    hx0, hy0 = handle_from
    hx1, hy1 = handle_to
    grip = frozenset()
    for dx, dy in ((0, 0), (1, 0), (0, 1), (1, 1)):
        grip |= line(hx0 + dx, hy0 + dy, hx1 + dx, hy1 + dy)
    c.paint(grip, BLACK)
    c.line(hx0 + 1, hy0, hx1 + 1, hy1, GREY)
    c.paint(disc(cx, cy, r), BLACK)
    c.paint(disc(cx, cy, r - 1), GREY)
    c.paint(disc(cx, cy, r - 2), CYAN)
    c.paint(ring(cx, cy, r - 4, r - 3, 100, 170), WHITE)


def arc_arrow(cx, cy, r_in, r_out, a_from, a_to, head_len, head_wide):
    """A thick arc from angle a_from to a_to with an arrowhead at a_to that
    points on along the arc: head_len pixels long, head_wide pixels out to
    each side of the arc's middle."""
    lo, hi = min(a_from, a_to), max(a_from, a_to)
    body = ring(cx, cy, r_in, r_out, lo, hi)
    turn = 1 if a_to > a_from else -1
    a = math.radians(a_to)
    r = (r_in + r_out) / 2
    mx, my = cx + r * math.cos(a), cy - r * math.sin(a)
    tx, ty = -math.sin(a) * turn, -math.cos(a) * turn   # along the arc
    nx, ny = math.cos(a), -math.sin(a)                   # away from the centre
    tip = (round(mx + tx * head_len), round(my + ty * head_len))
    side_a = (round(mx + nx * head_wide), round(my + ny * head_wide))
    side_b = (round(mx - nx * head_wide), round(my - ny * head_wide))
    return body | polygon([tip, side_a, side_b])


# ---------------------------------------------------------------------------
# The 20 glyphs, in the order of their type numbers.

def paper(c):
    sheet(c, 4, 1, 17, 20, fold=5)


def open_folder(c):
    # the back of the folder with its tab, and the paper inside
    c.shape(polygon([(1, 8), (2, 7), (6, 7), (7, 8), (12, 8), (12, 11), (1, 11)]), DYELLOW)
    c.shape(rect(1, 9, 13, 20), YELLOW)
    c.line(2, 10, 12, 10, WHITE)
    # the open front flap
    c.shape(polygon([(1, 20), (5, 13), (19, 13), (15, 20)]), DYELLOW)
    c.line(6, 14, 17, 14, YELLOW)
    # the arrow rising out of it and bending over to the right
    c.paint(arc_arrow(14, 7, 2.5, 4, 180, 0, 3, 3), BLACK)


def floppy(c):
    body = polygon([(2, 2), (18, 2), (19, 3), (19, 19), (2, 19)])
    c.shape(body, DBLUE)
    # the label with its lines of writing
    c.box(5, 2, 16, 10, WHITE)
    c.line(5, 2, 16, 2, BLACK)
    for y in (4, 6, 8):
        c.line(7, y, 14, y, GREY)
    # the metal shutter with its window
    c.box(6, 13, 15, 19, LGREY)
    c.box(8, 14, 10, 18, DBLUE)
    c.line(3, 18, 3, 18, LGREY)


def scissors(c):
    # blades, crossing above the pivot
    c.shape(polygon([(5, 1), (6, 1), (13, 12), (10, 13)]), LGREY)
    c.shape(polygon([(16, 1), (15, 1), (8, 12), (11, 13)]), LGREY)
    c.paint(rect(10, 9, 11, 10), BLACK)
    # the two finger rings
    c.paint(ring(6.5, 16.5, 1.5, 3.5), BLACK)
    c.paint(ring(14.5, 16.5, 1.5, 3.5), BLACK)


def copy(c):
    sheet(c, 2, 1, 12, 14, fold=3, text=True, text_colour=DBLUE)
    sheet(c, 8, 7, 19, 20, fold=3, text=True, text_colour=DBLUE)


def paste(c):
    c.box(2, 3, 15, 19, DYELLOW)
    c.line(3, 4, 14, 4, YELLOW)
    c.box(5, 1, 12, 5, LGREY)
    c.line(7, 1, 10, 1, BLACK)
    c.paint(rect(6, 3, 11, 3), WHITE)
    sheet(c, 9, 8, 19, 20, fold=3, text=True, text_colour=DBLUE)


def _undo_arrow():
    """The undo arrow: from the lower right up over the top, its head at the
    left pointing down."""
    return arc_arrow(12, 13, 3.5, 7, -25, 180, 5, 5)


def undo(c):
    c.shape(_undo_arrow(), BLUE, DBLUE)


def redo(c):
    c.shape(mirror(_undo_arrow()), BLUE, DBLUE)


def cross(c):
    bar = polygon([(2, 4), (4, 2), (19, 17), (17, 19)])
    c.paint(bar | mirror(bar), DRED)


def exclamation(c):
    c.paint(polygon([(8, 2), (13, 2), (12, 13), (9, 13)]) | rect(9, 1, 12, 1), DRED)
    c.paint(disc(10.5, 17.5, 2), DRED)


def printer(c):
    # the sheet in the feeder at the back
    sheet(c, 5, 1, 16, 9, fold=0)
    for y in (3, 5):
        c.line(7, y, 14, y, GREY)
    # the body, its top and its front
    c.shape(polygon([(3, 8), (18, 8), (20, 10), (20, 17), (1, 17), (1, 10)]), LGREY)
    c.line(2, 10, 19, 10, WHITE)
    c.line(2, 16, 19, 16, GREY)
    c.paint(rect(16, 12, 17, 13), GREEN)
    # the printed sheet coming out of the slot
    c.box(4, 14, 17, 20, WHITE)
    c.line(4, 14, 17, 14, BLACK)
    c.line(6, 17, 15, 17, GREY)


def preview(c):
    sheet(c, 2, 1, 14, 19, fold=4, text=True)
    lens(c, 12, 11, 5, (15, 14), (19, 18))


def document(c):
    sheet(c, 3, 1, 18, 20, fold=5, text=True, text_colour=BLACK)


def magnifier(c):
    lens(c, 8, 8, 7, (13, 13), (19, 19))


def find_again(c):
    # two arrows chasing each other round the glass
    c.shape(arc_arrow(10.5, 10.5, 6.5, 8.5, 200, 100, 3, 3), BLUE, DBLUE)
    c.shape(arc_arrow(10.5, 10.5, 6.5, 8.5, 20, -80, 3, 3), BLUE, DBLUE)
    lens(c, 10.5, 10.5, 4.5, (7, 14), (5, 16))


def _left_arrow():
    return polygon([(1, 10), (10, 1), (10, 6), (20, 6), (20, 15), (10, 15), (10, 20), (1, 11)])


def left_arrow(c):
    c.shape(_left_arrow(), BLUE, DBLUE)


def right_arrow(c):
    c.shape(mirror(_left_arrow()), BLUE, DBLUE)


def _question_mark(x, y):
    """A bold question mark whose bounding box starts at (x, y): 11 wide, 19 high."""
    hook = ring(x + 5, y + 5, 2, 5.5, -75, 190)
    stem = polygon([(x + 4, y + 10), (x + 8, y + 8), (x + 7, y + 13), (x + 4, y + 13)])
    dot = rect(x + 4, y + 15, x + 7, y + 18)
    return hook | stem, dot


def question(c):
    hook, dot = _question_mark(5, 1)
    c.shape(hook, YELLOW)
    c.shape(dot, YELLOW)


def help_pointer(c):
    cursor = polygon([(1, 1), (1, 15), (4, 12), (7, 18), (9, 17), (6, 11), (11, 11)])
    c.shape(cursor, WHITE)
    c.shape(ring(15.5, 5.5, 1.5, 4, -60, 195), BLUE, DBLUE)
    c.shape(rect(14, 8, 16, 12), BLUE, DBLUE)
    c.shape(rect(14, 14, 16, 16), BLUE, DBLUE)


def grid_sheet(c):
    c.box(1, 7, 15, 20, WHITE)
    c.box(1, 7, 15, 10, LGREY)
    for x in (5, 10):
        c.line(x, 8, x, 19, GREY)
    for y in (13, 16):
        c.line(2, y, 14, y, GREY)
    c.paint(border(rect(1, 7, 15, 20)), BLACK)
    c.line(2, 10, 14, 10, BLACK)
    # the arrow bending over from the sheet's top edge to its right
    c.shape(arc_arrow(13.5, 7, 2.5, 5, 180, 0, 4, 4), BLUE, DBLUE)


GLYPHS = [
    (161, 'paper', paper),
    (149, 'open', open_folder),
    (139, 'save', floppy),
    (154, 'cut', scissors),
    (155, 'copy', copy),
    (156, 'paste', paste),
    (157, 'undo', undo),
    (158, 'redo', redo),
    (160, 'cross', cross),
    (140, 'exclamation', exclamation),
    (166, 'printer', printer),
    (162, 'preview', preview),
    (148, 'document', document),
    (143, 'find', magnifier),
    (165, 'findagain', find_again),
    (152, 'left', left_arrow),
    (153, 'right', right_arrow),
    (151, 'question', question),
    (164, 'helppointer', help_pointer),
    (163, 'grid', grid_sheet),
]


# ---------------------------------------------------------------------------
# The .ico file: ICONDIR, one ICONDIRENTRY, then a BITMAPINFOHEADER (height
# doubled for the two masks), the 16-entry palette, the 4-bit XOR image and
# the 1-bit AND mask, both bottom-up with rows padded to 4 bytes.

def encode_icon(pixels):
    xor = bytearray()
    and_mask = bytearray()
    for row in reversed(pixels):
        indices = [0 if p is None else p for p in row]
        xor += bytes((indices[i] << 4) | indices[i + 1] for i in range(0, SIZE, 2))
        bits = 0
        for p in row:
            bits = (bits << 1) | (1 if p is None else 0)
        and_mask += bits.to_bytes(SIZE // 8, 'big')
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 4, 0,
                         len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + palette + bytes(xor) + bytes(and_mask)
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def decode_icon(data):
    """Reads an icon written by encode_icon back, checking its layout, and
    returns its rows of RGB tuples (None where transparent)."""
    assert struct.unpack_from('<HHH', data, 0) == (0, 1, 1)
    w, h, colours, _, planes, bpp, size, offset = struct.unpack_from('<BBBBHHII', data, 6)
    assert (w, h, colours, planes, bpp, offset) == (SIZE, SIZE, 16, 1, 4, 22)
    assert offset + size == len(data)
    hdr = struct.unpack_from('<IiiHHIIiiII', data, offset)
    assert hdr[:5] == (40, SIZE, 2 * SIZE, 1, 4)
    pal_at = offset + 40
    pal = [tuple(reversed(data[pal_at + 4 * i:pal_at + 4 * i + 3])) for i in range(16)]
    xor_at = pal_at + 64
    and_at = xor_at + SIZE * SIZE // 2
    assert and_at + SIZE * 4 == len(data)
    rows = []
    for y in range(SIZE):
        src = SIZE - 1 - y
        row = []
        for x in range(SIZE):
            byte = data[xor_at + src * SIZE // 2 + x // 2]
            index = byte >> 4 if x % 2 == 0 else byte & 15
            clear = data[and_at + src * 4 + x // 8] >> (7 - x % 8) & 1
            row.append(None if clear else pal[index])
        rows.append(row)
    return rows


def write_png(path, rows):
    """Writes rows of RGB tuples as an 8-bit RGB PNG."""
    raw = b''.join(b'\0' + b''.join(bytes(p) for p in row) for row in rows)

    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + \
            struct.pack('>I', zlib.crc32(kind + body) & 0xffffffff)
    png = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', len(rows[0]), len(rows),
                                                              8, 2, 0, 0, 0))
    png += chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b'')
    with open(path, 'wb') as f:
        f.write(png)


def contact_sheet(icons, path, scale=8, columns=5):
    """All icons enlarged on the grey of a button face, with the visible
    22x22 corner marked by a thin darker frame."""
    gap = 12
    cell = SIZE * scale + gap
    rows_n = (len(icons) + columns - 1) // columns
    out = [[(96, 96, 96)] * (columns * cell + gap) for _ in range(rows_n * cell + gap)]
    for n, rows in enumerate(icons):
        ox = gap + (n % columns) * cell
        oy = gap + (n // columns) * cell
        for y in range(SIZE * scale):
            for x in range(SIZE * scale):
                sx, sy = x // scale, y // scale
                p = rows[sy][sx]
                if p is None:
                    p = (192, 192, 192) if sx < FACE and sy < FACE else (212, 212, 212)
                if (x == FACE * scale or y == FACE * scale) and sx <= FACE and sy <= FACE:
                    p = (255, 0, 255)
                out[oy + y][ox + x] = p
    write_png(path, out)


def main(argv):
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
    out_dir = os.path.join(root, 'resources', 'glyphs')
    os.makedirs(out_dir, exist_ok=True)
    icons = []
    for number, (resource, name, draw) in enumerate(GLYPHS, 1):
        canvas = Canvas()
        draw(canvas)
        # Nothing may reach past the corner that a toolbar button shows.
        assert all(p is None for y in range(SIZE) for x in range(SIZE)
                   if (x >= FACE or y >= FACE) for p in [canvas.pixels[y][x]]), name
        data = encode_icon(canvas.pixels)
        with open(os.path.join(out_dir, 'glyph_%02d_%s.ico' % (number, name)), 'wb') as f:
            f.write(data)
        icons.append(decode_icon(data))
    if len(argv) == 2 and argv[0] == '--sheet':
        contact_sheet(icons, argv[1])
    elif argv:
        sys.exit('usage: tools/make_glyphs.py [--sheet contact-sheet.png]')


if __name__ == '__main__':
    main(sys.argv[1:])
