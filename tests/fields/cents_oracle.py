#!/usr/bin/env python3
"""Checks every written cent against exact decimal arithmetic (Python's decimal and fractions).

Runs cents_probe (the program's own number writing and solvers) on random doubles of every
magnitude, on exact half cents and their neighbours, on presses of all fifteen solver rows and on
savings plans with random typed numbers, and compares each text with the cent of the exact result,
a half cent going away from zero. Where the exact result lies within a few units in the last place
of a half cent without being one, the double cannot tell, and either cent is accepted: only there.

Usage: cents_oracle.py path/to/cents_probe [seed]
"""
import math
import random
import subprocess
import sys
from decimal import Decimal, getcontext
from fractions import Fraction

getcontext().prec = 60
EPS = 2.0**-52
HALF = Fraction(1, 2)


def cents_text(cents, negative):
    """German "0.00" of a whole number of cents."""
    text = "%d,%02d" % divmod(cents, 100)
    return "-" + text if negative and cents else text


def accepted(exact, band):
    """The texts a correct program may write for an exact result that its double may miss by up to
    band: the cent of the exact result, a half cent going away from zero; every cent within band of
    it where the double cannot tell (near a half cent, or where the double's own error reaches a
    cent)."""
    magnitude = abs(exact)
    if (magnitude * 100 - math.floor(magnitude * 100)) == HALF and band < Fraction(1, 200):
        return {cents_text(math.floor(magnitude * 100) + 1, exact < 0)}
    low = math.ceil((exact - Fraction(band)) * 100 - HALF)
    high = math.floor((exact + Fraction(band)) * 100 + HALF)
    return {cents_text(abs(c), c < 0) for c in range(low, high + 1)}


def ulp(x):
    return math.ulp(abs(x)) if x else 0.0


# -- Random doubles: the value itself is the exact result; its noise is its own size.

def doubles(rng):
    values = []
    for decade in range(-3, 15):
        low, high = 10.0**decade, 10.0 ** (decade + 1)
        values += [rng.uniform(low, high) for _ in range(3000)]
        # The double nearest to a half cent, and one unit in the last place either side.
        for _ in range(600):
            half = Decimal(rng.randrange(int(low * 100), int(high * 100))) / 100 + Decimal("0.005")
            x = float(half)
            values += [x, math.nextafter(x, math.inf), math.nextafter(x, -math.inf)]
        # Exact half cents: a whole number and an odd number of eighths.
        if decade < 14:
            values += [rng.randrange(int(low), int(high) + 1) + rng.choice((1, 3, 5, 7)) / 8 for _ in range(300)]
    values += [-v for v in rng.sample(values, 20000)]
    return values


# -- The fifteen rows from typed numbers, computed exactly, with the noise each value carries: the
#    size of the numbers it is computed from, whose last places rounding may have moved.

class Num:
    """An exact value, the size of the numbers it is computed from and the roundings on its way."""

    def __init__(self, value, noise=None, steps=0):
        self.v = Decimal(value)
        self.n = abs(float(self.v)) if noise is None else noise
        self.steps = steps

    def _r(self, v, carried, *operands):
        return Num(v, max(carried, abs(float(v))), max(o.steps for o in operands) + 1)

    def tolerance(self):
        # The rule's band (two units, half a unit a rounding, up to twelve) and as much again for
        # the double's own error.
        return (4 + min(self.steps, 12)) * EPS * self.n

    def __add__(self, o):
        o = lift(o)
        return self._r(self.v + o.v, max(self.n, o.n), self, o)

    def __sub__(self, o):
        o = lift(o)
        return self._r(self.v - o.v, max(self.n, o.n), self, o)

    def __mul__(self, o):
        o = lift(o)
        return self._r(self.v * o.v, max(abs(float(o.v)) * self.n, abs(float(self.v)) * o.n), self, o)

    def __truediv__(self, o):
        o = lift(o)
        r = self.v / o.v
        return self._r(r, max(self.n, abs(float(r)) * o.n) / abs(float(o.v)), self, o)

    def __pow__(self, o):
        o = lift(o)
        r = self.v**o.v
        spread = max(abs(float(o.v)) * self.n / abs(float(self.v)), abs(float(self.v.ln())) * o.n)
        return self._r(r, abs(float(r)) * spread, self, o)

    def ln(self):
        return self._r(self.v.ln(), self.n / float(self.v), self)


def lift(x):
    return x if isinstance(x, Num) else Num(x)


def change(a, e):
    return e * 100 / a - 100


# Per row: the pattern of typed fields (B1 B2 % LZ ZS), von, and what the press writes.
ROWS = {
    1: ("BB...", 0, lambda a, e, p, n, z: {"change": change(a, e), "diff": e - a}),
    2: ("B.P..", 0, lambda a, e, p, n, z: (lambda E: {"B2": E, "diff": E - a})(p / 100 * a + a)),
    3: (".BP..", 0, lambda a, e, p, n, z: (lambda A: {"B1": A, "diff": e - A})(e / (p / 100 + 1))),
    4: ("B..LZ", 0, lambda a, e, p, n, z: (lambda E: {"B2": E, "change": change(a, E), "diff": E - a})(
        (z / 100 + 1) ** n * a)),
    5: ("BB.L.", 0, lambda a, e, p, n, z: {"ZS": ((e / a) ** (Num(1) / n) - 1) * 100,
                                            "change": change(a, e), "diff": e - a}),
    6: (".B.LZ", 0, lambda a, e, p, n, z: (lambda A: {"B1": A, "change": change(A, e), "diff": e - A})(
        e / (z / 100 + 1) ** n)),
    7: ("BB..Z", 0, lambda a, e, p, n, z: {"LZ": Num(1) / ((z / 100 + 1).ln() / (e / a).ln()),
                                            "change": change(a, e), "diff": e - a}),
    8: ("..PL.", 0, lambda a, e, p, n, z: {"ZS": ((p / 100 + 1) ** (Num(1) / n) - 1) * 100}),
    9: ("...LZ", 0, lambda a, e, p, n, z: {"P": ((z / 100 + 1) ** n - 1) * 100}),
    10: ("..P.Z", 0, lambda a, e, p, n, z: {"LZ": Num(1) / ((z / 100 + 1).ln() / (p / 100 + 1).ln())}),
    11: ("B.PL.", 0, lambda a, e, p, n, z: (lambda E: {"ZS": ((p / 100 + 1) ** (Num(1) / n) - 1) * 100,
                                                       "B2": E, "diff": E - a})(p / 100 * a + a)),
    12: (".BPL.", 0, lambda a, e, p, n, z: (lambda A: {"ZS": ((p / 100 + 1) ** (Num(1) / n) - 1) * 100,
                                                       "B1": A, "diff": e - A})(e / (p / 100 + 1))),
    13: ("BB...", 1, lambda a, e, p, n, z: {"P": a * 100 / e, "diff": e - a}),
    14: (".BP..", 1, lambda a, e, p, n, z: (lambda A: {"B1": A, "diff": e - A})(e * p / 100)),
    15: ("B.P..", 1, lambda a, e, p, n, z: (lambda E: {"B2": E, "diff": E - a})(a * 100 / p)),
}


def typed_amount(rng):
    """An amount as people type it: up to 11 characters, often with cents."""
    whole = rng.randrange(1, 10 ** rng.randint(1, 8))
    return str(whole) + rng.choice(("", ",%02d" % rng.randrange(100), ",5", ",%03d" % rng.randrange(1000)))


def typed_percent(rng, low=-99, high=1000):
    choice = rng.random()
    if choice < 0.5:
        value = rng.randint(low, high) or 19
        return str(value)
    return "%d,%s" % (rng.randint(0, 40), rng.choice(("5", "25", "45", "75", "125")))


def presses(rng, count, rows=range(1, 16), ties=False):
    """Presses of random rows; with ties, prices and whole percentages, which end on half cents."""
    for _ in range(count):
        row = rng.choice(rows)
        pattern, von, _ = ROWS[row]
        typed = {"B": None, "P": None, "L": None, "Z": None}
        fields = []
        for position, mark in enumerate(pattern):
            if mark == ".":
                fields.append("-")
            elif mark == "B" and ties:
                fields.append("%d,%02d" % (rng.randint(0, 99999), rng.randrange(1, 100)))
            elif mark == "B":
                fields.append(typed_amount(rng))
            elif mark == "P" and ties:
                fields.append(str(rng.randint(1, 100) if von else rng.choice([p for p in range(-99, 1001) if p])))
            elif mark == "P":
                fields.append(typed_percent(rng, low=1, high=100) if von else typed_percent(rng))
            elif mark == "L":
                fields.append(str(rng.randint(1, 30)) + rng.choice(("", "", ",5")))
            else:
                fields.append(typed_percent(rng, low=1, high=100))
        if von and row == 13 and Decimal(fields[0].replace(",", ".")) > Decimal(fields[1].replace(",", ".")):
            fields[0], fields[1] = fields[1], fields[0]
        yield row, von, fields


def exact_press(row, fields):
    nums = [Num(Decimal(f.replace(",", "."))) if f != "-" else Num(0) for f in fields]
    return ROWS[row][2](*nums)


def plans(rng, count):
    """Savings plans as people type them: deposits with cents, short plans, rates to 100 %."""
    for _ in range(count):
        yield [typed_amount(rng), str(rng.choice((1, 1, 2, 4, 12))), str(rng.randint(1, 6)),
               typed_percent(rng, low=1, high=100)]


def exact_plan(fields):
    rate, per_year, years, percent = (Num(Decimal(f.replace(",", "."))) for f in fields)
    factor = ((Num(1) + percent / 100) ** (Num(1) / per_year) - 1) * 100 / 100 + 1
    balance = factor * rate
    for _ in range(int(per_year.v * years.v) - 1):
        balance = (rate + balance) * factor
    paid = per_year * rate * years
    return {"A": paid, "E": balance, "G": balance - paid, "P": balance * 100 / paid - 100}


def main():
    probe = sys.argv[1]
    rng = random.Random(int(sys.argv[2]) if len(sys.argv) > 2 else 20261208)
    values = doubles(rng)
    press_list = list(presses(rng, 30000)) + list(presses(rng, 30000, rows=(2, 3, 11, 12, 14, 15), ties=True))
    plan_list = list(plans(rng, 4000))
    requests = ["v " + v.hex() for v in values]
    requests += ["r %d %s" % (von, " ".join(fields)) for _, von, fields in press_list]
    requests += ["s " + " ".join(fields) for fields in plan_list]
    answers = subprocess.run([probe], input="\n".join(requests) + "\n", capture_output=True, text=True,
                             check=True).stdout.splitlines()
    if len(answers) != len(requests):
        sys.exit("cents oracle: %d answers to %d requests" % (len(answers), len(requests)))

    failures = []
    checked = 0
    for value, answer in zip(values, answers):
        # A value's own size is its noise: two units in the last place, and a little for the edge.
        allowed = accepted(Fraction(value), 2.5 * ulp(value))
        checked += 1
        if answer not in allowed:
            failures.append("%r (%s): wrote %s, exact %s" % (value, value.hex(), answer, " or ".join(sorted(allowed))))
    for fields, answer in zip(plan_list, answers[len(values) + len(press_list):]):
        written = dict(part.split("=") for part in answer.split() if "=" in part)
        for name, num in exact_plan(fields).items():
            allowed = accepted(Fraction(num.v), num.tolerance())
            checked += 1
            if written.get(name) not in allowed:
                failures.append("plan %s %s: wrote %s, exact %s (%s)" % (
                    " ".join(fields), name, written.get(name), " or ".join(sorted(allowed)), num.v))
    for (row, von, fields), answer in zip(press_list, answers[len(values):]):
        written = dict(part.split("=") for part in answer.split() if "=" in part)
        try:
            exact = exact_press(row, fields)
        except ZeroDivisionError:  # equal amounts give no term, for one
            exact = None
        if (exact is None) != ("refused" in answer.split()):
            failures.append("row %d %s: wrote %s" % (row, " ".join(fields), answer))
            continue
        for name, num in (exact or {}).items():
            allowed = accepted(Fraction(num.v), num.tolerance())
            checked += 1
            if written.get(name) not in allowed:
                failures.append("row %d %s %s: wrote %s, exact %s (%s)" % (
                    row, " ".join(fields), name, written.get(name), " or ".join(sorted(allowed)), num.v))
    print("cents oracle: %d values checked, %d wrong" % (checked, len(failures)))
    for failure in failures[:30]:
        print("  " + failure)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
