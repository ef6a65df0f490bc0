"""B2: ten rounds of filling a 200 x 200 array and summing it.

Round k (0..9) stores y + x + k in a[y][x]; s is the sum of the last round,
t the sum of all rounds. The loop counters are globals, as in the ZEP script.
Prints: B2 US_PER_PASS ok|FAIL passes=P best_ms=T
"""
from harness import best_of

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

best_of("B2", PASSES, run,
        lambda: None if (k, s, t) == (10, WANT_S, WANT_T) else f"k={k} s={s} t={t} (want 10 {WANT_S} {WANT_T})",
        make_array)
