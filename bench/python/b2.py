"""B2: ten rounds of filling a 200 x 200 array and summing it.

Round k (0..9) stores y + x + k in a[y][x]; s is the sum of the last round,
t the sum of all rounds. The loop counters are globals, as in the ZEP script.
Prints: B2 US_PER_PASS ok|FAIL passes=P best_ms=T
"""
import sys
import time

REPS = int(sys.argv[1]) if len(sys.argv) > 1 else 5
PASSES = 2 * 10 * 200 * 200  # array cells written or read


def make_array():
    """The array, like Data("a",200,200), is made before the timed part."""
    global a
    a = [[0] * 200 for _ in range(200)]


def run():
    global a, k, t, s, y, x
    k = 0
    t = 0
    for _ in range(10):
        y = 0
        for _ in range(200):
            x = 0
            for _ in range(200):
                a[y][x] = y + x + k
                x = x + 1
            y = y + 1
        s = 0
        y = 0
        for _ in range(200):
            x = 0
            for _ in range(200):
                s = s + a[y][x]
                x = x + 1
            y = y + 1
        t = t + s
        k = k + 1


WANT_S = 7960000 + 40000 * 9
WANT_T = sum(7960000 + 40000 * r for r in range(10))

best = None
for _ in range(REPS):
    make_array()
    start = time.perf_counter()
    run()
    seconds = time.perf_counter() - start
    if k != 10 or s != WANT_S or t != WANT_T:
        print(f"B2 nan FAIL passes={PASSES} k={k} s={s} t={t} (want 10 {WANT_S} {WANT_T})")
        sys.exit(1)
    best = seconds if best is None else min(best, seconds)
print(f"B2 {best * 1e6 / PASSES:.4f} ok passes={PASSES} best_ms={best * 1e3:.3f}")
