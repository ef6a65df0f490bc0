"""B4: 200,000 calls of a global function that does one assignment to a
global, as call("S") runs a section.

Prints: B4 US_PER_PASS ok|FAIL passes=P best_ms=T
"""
import sys
import time

REPS = int(sys.argv[1]) if len(sys.argv) > 1 else 5
PASSES = 200000


def S():
    global n
    n = n + 1


def run():
    global n
    n = 0
    for _ in range(200000):
        S()


best = None
for _ in range(REPS):
    start = time.perf_counter()
    run()
    seconds = time.perf_counter() - start
    if n != 200000:
        print(f"B4 nan FAIL passes={PASSES} n={n} (want 200000)")
        sys.exit(1)
    best = seconds if best is None else min(best, seconds)
print(f"B4 {best * 1e6 / PASSES:.4f} ok passes={PASSES} best_ms={best * 1e3:.3f}")
