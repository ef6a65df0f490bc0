"""B1: one million passes of one addition, with a global variable as in ZEP.

Prints: B1 US_PER_PASS ok|FAIL passes=P best_ms=T
"""
from harness import best_of

PASSES = 1000000


def run():
    global x
    x = 0
    for _ in range(1000000):
        x = x + 1


best_of("B1", PASSES, run,
        lambda: None if x == 1000000 else f"x={x} (want 1000000)")
