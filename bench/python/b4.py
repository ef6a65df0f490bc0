"""B4: 200,000 calls of a global function that does one assignment to a
global, as call("S") runs a section.

Prints: B4 US_PER_PASS ok|FAIL passes=P best_ms=T
"""
from harness import best_of

PASSES = 200000


def S():
    global n
    n = n + 1


def run():
    global n
    n = 0
    for _ in range(200000):
        S()


best_of("B4", PASSES, run,
        lambda: None if n == 200000 else f"n={n} (want 200000)")
