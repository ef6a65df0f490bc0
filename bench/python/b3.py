"""B3: 200,000 passes of sin, cos (degrees) and sqrt, with global variables.

Prints: B3 US_PER_PASS ok|FAIL passes=P best_ms=T
"""
import math
import sys
import time

REPS = int(sys.argv[1]) if len(sys.argv) > 1 else 5
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

best = None
for _ in range(REPS):
    start = time.perf_counter()
    run()
    seconds = time.perf_counter() - start
    if i != 200000 or abs(y - WANT_Y) > 1e-9:
        print(f"B3 nan FAIL passes={PASSES} i={i} y={y!r} (want 200000 {WANT_Y!r})")
        sys.exit(1)
    best = seconds if best is None else min(best, seconds)
print(f"B3 {best * 1e6 / PASSES:.4f} ok passes={PASSES} best_ms={best * 1e3:.3f}")
