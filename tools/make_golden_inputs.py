#!/usr/bin/env python3
"""Writes the input columns of tests/data/golden.tsv: varied texts as a user
might type them into Text1..Text13. Run it once, then record the answers
with the reference build:  tools/record_golden.sh build/tools/widmark-table
"""
import random

rng = random.Random(20261208)
DEFAULTS = ["200", "300", "70", "1", "0.7947", "0.78", "0.15", "0", "0", "15", "5", "0", "2000"]
RANGES = [  # plausible ranges per box
    (0, 2000), (0, 3000), (30, 150), (0, 24), (0.78, 0.8), (0.6, 0.96), (0.11, 0.19),
    (0, 120), (0, 1000), (10, 20), (3, 9), (0, 45), (1900, 2300),
]
ODD = ["", " ", "abc", "1e", "1e+", "-0", ".5", "5.", " 1 2 ", "1.2.3", "0x10", "\uff11\uff12",
       "1e-3", "2E2", "+7", "- 3", "1e-400", "00012", "12abc", "\u30001"]


def typed(lo, hi):
    v = rng.uniform(lo, hi)
    form = rng.randrange(6)
    if form == 0:
        return str(int(round(v)))
    if form == 1:
        return f"{v:.{rng.randrange(1, 5)}f}"
    if form == 2:
        return repr(v)
    if form == 3:
        return f"{v:.3e}"
    if form == 4:
        return f"{-v:.2f}"
    return f"{v:.6g}"


def row():
    kind = rng.randrange(10)
    fields = list(DEFAULTS)
    if kind < 6:  # everything varied within plausible ranges
        fields = [typed(lo, hi) for lo, hi in RANGES]
    elif kind < 8:  # defaults with a few boxes changed, oddly typed
        for _ in range(rng.randrange(1, 4)):
            fields[rng.randrange(13)] = rng.choice(ODD)
    else:  # extreme magnitudes
        for _ in range(rng.randrange(1, 3)):
            fields[rng.randrange(13)] = f"{rng.uniform(1, 9):.2f}e{rng.randrange(-330, 330)}"
    return fields


rows = [DEFAULTS]
rows += [row() for _ in range(236)]
fixed = [  # the worked figures and the faults
    ["200", "300", "70", "1", "0.7947", "0.78", "0.15", "20", "0", "15", "5", "0", "2000"],
    ["100", "0", "100", "1", "1", "1", "0", "0", "0", "15", "0", "0", "1000"],
    ["200", "300", "70", "1", "0.7947", "0", "0.15", "0", "0", "15", "5", "0", "2000"],
    ["200", "300", "70", "1", "0.7947", "0.78", "0.15", "0", "0", "15", "5", "0", "0"],
    # where the single-precision step and the order of the division show
    ["0", "2860", "68", "8.3", "0.8", "0.78", "0.11", "0", "0", "15", "5.1", "0", "2050"],
    ["0", "260", "79", "1", "0.79", "0.6", "0.11", "0", "0", "15", "5.1", "0", "2050"],
    ["0", "260", "85", "1", "0.7947", "0.78", "0.11", "0", "0", "15", "5.1", "0", "2050"],
    ["0", "260", "52", "1", "0.8", "0.96", "0.11", "0", "0", "15", "4.5", "0", "2050"],
    ["0", "370", "50", "1", "0.7947", "0.78", "0.11", "0", "0", "15", "5", "0", "2050"],
    ["0", "370", "50", "1", "0.7947", "0.96", "0.11", "0", "0", "15", "5", "0", "2050"],
]
rows += fixed
with open("tests/data/golden_inputs.tsv", "w", encoding="utf-8") as f:
    for r in rows:
        f.write("\t".join(r) + "\n")
