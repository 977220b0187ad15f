"""Prints "name<TAB>value<TAB>unit" rows from standard input as one table,
with the compose-per-move figure also as a multiple of a memcpy of its bytes."""
import sys

RATIOS = (("compose per move / memcpy of the same bytes", "BM_CarriedStickerMove",
           "BM_MemcpyOfAMovesBytes"),)

rows = [line.rstrip("\n").split("\t") for line in sys.stdin if line.count("\t") == 2]
# A coefficient of variation is no time per operation.
rows = [r for r in rows if not r[0].endswith("_cv")]
values = {name: value for name, value, _ in rows}
for name, numerator, denominator in RATIOS:
    if numerator in values and denominator in values and float(values[denominator]) > 0:
        rows.append([name, "%.1f" % (float(values[numerator]) / float(values[denominator])), "x"])
width = max([len(r[0]) for r in rows] + [6])
print("%-*s  %12s  %s" % (width, "figure", "value", "unit"))
print("-" * (width + 22))
for name, value, unit in rows:
    print("%-*s  %12s  %s" % (width, name, value, unit))
