"""B6: a function drawing 500 figures, boxes and circles in turn, at
coordinates computed from the figure's number, run 20 times. The drawing
functions record as the benchmark's canvas does: a count and a checksum.
Prints: B6 US_PER_PASS ok|FAIL passes=P best_ms=T"""
from harness import best_of

PASSES = 500 * 20  # figures
figures = checksum = 0
i = x = y = 0


def record(l, t, r, b):
    global figures, checksum
    figures += 1
    checksum += l + 2 * t + 3 * r + 5 * b


def box(l, t, r, b, outline, inside):
    record(l, t, r, b)


def circle(l, t, r, b, outline, inside):
    record(l, t, r, b)


def draw():
    global i, x, y
    i = 0
    for _ in range(500):
        x = (i * 37) % 600
        y = (i * 53) % 440
        if i % 2 == 0:
            box(x, y, x + 20 + i % 17, y + 15 + i % 13, i % 16, (i + 3) % 16)
        if i % 2 == 1:
            circle(x, y, x + 12 + i % 9, y + 12 + i % 7, i % 16, -1)
        i = i + 1


def run():
    for _ in range(20):
        draw()


def reset():
    global figures, checksum
    figures = checksum = 0


def check():
    if figures != 10000 or checksum != 20 * 1441267:
        return f"figures={figures} checksum={checksum} (want 10000 {20 * 1441267})"
    return None


best_of("B6", PASSES, run, check, reset)
