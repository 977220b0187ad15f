"""Prints "name<TAB>value<TAB>unit" rows from standard input as one table."""
import sys

rows = [line.rstrip("\n").split("\t") for line in sys.stdin if line.count("\t") == 2]
width = max([len(r[0]) for r in rows] + [6])
print("%-*s  %12s  %s" % (width, "figure", "value", "unit"))
print("-" * (width + 22))
for name, value, unit in rows:
    print("%-*s  %12s  %s" % (width, name, value, unit))
