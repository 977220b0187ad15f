"""Turns Google Benchmark CSV output into "name<TAB>value<TAB>unit" rows."""
import csv
import sys

rows = [line for line in sys.stdin if line.strip()]
start = next((i for i, line in enumerate(rows) if line.startswith("name,")), None)
if start is not None:
    for row in csv.DictReader(rows[start:]):
        print("%s\t%.1f\t%s/op" % (row["name"], float(row["real_time"]), row["time_unit"]))
