"""B1: one million passes of one addition, with a global variable as in ZEP.

Prints: B1 US_PER_PASS ok|FAIL passes=P best_ms=T
"""
import sys
import time

REPS = int(sys.argv[1]) if len(sys.argv) > 1 else 5
PASSES = 1000000


def run():
    global x
    x = 0
    for _ in range(1000000):
        x = x + 1


best = None
for _ in range(REPS):
    start = time.perf_counter()
    run()
    seconds = time.perf_counter() - start
    if x != 1000000:
        print(f"B1 nan FAIL passes={PASSES} x={x} (want 1000000)")
        sys.exit(1)
    best = seconds if best is None else min(best, seconds)
print(f"B1 {best * 1e6 / PASSES:.4f} ok passes={PASSES} best_ms={best * 1e3:.3f}")
