#!/usr/bin/env python3
# SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
"""Works out the expected results of calc_bit_exact_test.cpp independently.

Python's floats are IEEE doubles: every +, -, *, / and math.sqrt below is one
correctly rounded operation, taken in the order the solver and the coil
formulas are defined with, and nothing is ever fused or kept wider. The
printed rows are pasted into the test. For each case the script also tells
whether a fused multiply-add at the usual places would change a result, so
that the table keeps cases that catch a build that fuses.

Run: python3 tests/bit_exact_reference.py
"""

import math
from fractions import Fraction

TWO_PI = 6.2831852


def fused(a, b, c):
    """a * b + c rounded once, as a fused multiply-add gives it."""
    return float(Fraction(a) * Fraction(b) + Fraction(c))


def split_q(r1, r2, q0, fma):
    d = r1 - r2
    e = d * d
    if fma:
        p_less_e = fused((q0 * q0) * r2, r1, -e)  # the last product of P kept exact
    else:
        p_less_e = (((q0 * q0) * r2) * r1) - e
    s = sqrt_or_nan(p_less_e)
    n = fused(q0, r1, -s) if fma else (q0 * r1) - s
    return n / d


def sqrt_or_nan(x):
    return math.sqrt(x) if x >= 0 else math.nan


def solve(r1, r2, q0, f, c_min, fma=False):
    ratio = r1 / r2
    q1 = split_q(r1, r2, q0, fma)
    q2 = q0 - q1
    c1 = 1.0 / (((r1 / q1) * f) * TWO_PI)
    if c_min > c1:
        c1 = c_min
        q1 = ((r1 * c_min) * f) * TWO_PI
        s = q1 * q1
        xc2 = sqrt_or_nan((r2 / ((s - ratio) + 1.0)) * r1)
        c2 = 1.0 / ((xc2 * f) * TWO_PI)
        q2 = ((c2 * f) * TWO_PI) * r2
        q0 = q2 + q1
        xl = (q0 * r1) / (fused(q1, q1, 1.0) if fma else s + 1.0)
    else:
        c2 = 1.0 / (((r2 / q2) * f) * TWO_PI)
        xl = (q0 / (fused(q1, q1, 1.0) if fma else (q1 * q1) + 1.0)) * r1
    l = xl / (f * TWO_PI)
    return (q0, q1, q2, c1, c2, l)


def coil_turns(l, d, length, fma=False):
    b = d * 18.0
    s = fused(length, 40.0, b) if fma else (length * 40.0) + b
    return math.sqrt(s * l) / d


def coil_inductance(n, d, length, fma=False):
    x = ((d * d) * n) * n
    b = d * 18.0
    s = fused(length, 40.0, b) if fma else (length * 40.0) + b
    return x / s


AIR = 45.0 * 1e-12
VACUUM = 35.0 * 1e-12

# plate ohms, antenna ohms, Q0, MHz, capacitor (as the Calculate command
# forms the inputs: MHz * 1e6 and pF * 1e-12).
DESIGNS = [
    (2777.8, 50.0, 12.0, 3.65, "kAir"),
    (3333.3, 50.0, 12.5, 7.15, "kAir"),
    (1851.9, 75.0, 10.7, 14.25, "kVacuum"),
    (4166.7, 50.0, 15.0, 21.3, "kAir"),
    (5263.2, 52.0, 12.0, 28.5, "kVacuum"),
    (1234.6, 50.0, 10.0, 1.85, "kAir"),
    (52.0, 300.0, 8.0, 10.12, "kAir"),
    (2272.7, 52.0, 12.5, 18.11, "kAir"),
    (6451.6, 75.0, 14.2, 3.75, "kVacuum"),
    (1562.5, 50.0, 11.0, 50.1, "kAir"),
    (2500.0, 50.0, 12.0, 3.6, "kAir"),
    (3000.0, 73.0, 9.5, 5.35, "kVacuum"),
]

# uH, inches, inches -> turns
TURNS = [(9.87, 2.5, 3.15), (2.2, 1.25, 1.55), (27.3, 3.1, 4.35), (0.95, 0.75, 1.1),
         (14.2, 2.25, 2.7), (4.7, 1.0, 0.85)]
# turns, inches, inches -> uH
INDUCTANCES = [(17.5, 2.0, 2.85), (8.25, 1.5, 1.15), (31.0, 2.75, 5.3), (4.6, 0.6, 0.45),
               (12.0, 1.75, 2.3), (22.5, 2.5, 3.35)]


def main():
    print("// pi-network designs")
    for r1, r2, q0, mhz, cap in DESIGNS:
        c_min = AIR if cap == "kAir" else VACUUM
        result = solve(r1, r2, q0, mhz * 1e6, c_min)
        changed = result != solve(r1, r2, q0, mhz * 1e6, c_min, fma=True)
        values = ", ".join(float.hex(v) for v in result)
        note = "  // a fused multiply-add changes it" if changed else ""
        print(f"{{{{{r1!r}, {r2!r}, {q0!r}, {mhz!r}, {cap}}}, {{{values}}}}},{note}")
    print("// coil turns")
    for l, d, length in TURNS:
        n = coil_turns(l, d, length)
        note = "  // fused differs" if n != coil_turns(l, d, length, True) else ""
        print(f"{{{l!r}, {d!r}, {length!r}, {float.hex(n)}}},{note}")
    print("// coil inductances")
    for n, d, length in INDUCTANCES:
        l = coil_inductance(n, d, length)
        note = "  // fused differs" if l != coil_inductance(n, d, length, True) else ""
        print(f"{{{n!r}, {d!r}, {length!r}, {float.hex(l)}}},{note}")


if __name__ == "__main__":
    main()
