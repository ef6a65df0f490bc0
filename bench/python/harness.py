"""The timing loop shared by the Python benchmarks.

best_of runs `run` REPS times (after `prepare`, untimed, when given), checks
the results after every run and prints NAME US_PER_PASS ok passes=P
best_ms=T for the best run. `check` gives None when the results are right,
else what is wrong; a wrong result prints NAME nan FAIL ... and exits with 1.
"""
import sys
import time


def best_of(name, passes, run, check, prepare=None):
    reps = int(sys.argv[1]) if len(sys.argv) > 1 else 5
    best = None
    for _ in range(reps):
        if prepare:
            prepare()
        start = time.perf_counter()
        run()
        seconds = time.perf_counter() - start
        wrong = check()
        if wrong:
            print(f"{name} nan FAIL passes={passes} {wrong}")
            sys.exit(1)
        best = seconds if best is None else min(best, seconds)
    print(f"{name} {best * 1e6 / passes:.4f} ok passes={passes} best_ms={best * 1e3:.3f}")
