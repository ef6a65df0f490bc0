"""B3: 200,000 passes of sin, cos (degrees) and sqrt, with global variables.

Prints: B3 US_PER_PASS ok|FAIL passes=P best_ms=T
"""
import math
from harness import best_of

PASSES = 200000
DEGREE = math.pi / 180


def run():
    global i, y
    i = 0
    y = 0
    for _ in range(200000):
        y = math.sin(i * DEGREE) * math.cos(i * DEGREE) + math.sqrt(i)
        i = i + 1


LAST = 199999
WANT_Y = math.sin(LAST * DEGREE) * math.cos(LAST * DEGREE) + math.sqrt(LAST)

best_of("B3", PASSES, run,
        lambda: None if i == 200000 and abs(y - WANT_Y) <= 1e-9 else f"i={i} y={y!r} (want 200000 {WANT_Y!r})")
