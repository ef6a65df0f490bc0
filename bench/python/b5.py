"""B5: a TIMER pass moving 200 sprites kept in a list of rows [x, y, dx,
dy], each bounced off the edges with if; 1,000 passes after one set-up.
Script values live in globals and every element is read from the list, as
the ZEP script does.
Prints: B5 US_PER_PASS ok|FAIL passes=P best_ms=T"""
from harness import best_of

PASSES = 200 * 1000  # sprite moves
s = []
i = x = y = 0


def setup():
    global s
    s = [[r * 3, r * 2, r % 7 + 1, r % 5 + 1] for r in range(200)]


def timer():
    global i, x, y
    i = 0
    for _ in range(200):
        x = s[i][0] + s[i][2]
        y = s[i][1] + s[i][3]
        if x < 0:
            x = 0
            s[i][2] = -s[i][2]
        if x > 630:
            x = 630
            s[i][2] = -s[i][2]
        if y < 0:
            y = 0
            s[i][3] = -s[i][3]
        if y > 470:
            y = 470
            s[i][3] = -s[i][3]
        s[i][0] = x
        s[i][1] = y
        i = i + 1


def run():
    for _ in range(1000):
        timer()


def check():
    sums = [sum(row[c] for row in s) for c in range(4)]
    if sums != [57388, 65674, -166, 224]:
        return f"sums {sums} (want [57388, 65674, -166, 224])"
    return None


best_of("B5", PASSES, run, check, setup)
