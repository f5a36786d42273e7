"""Writes the rows of a CSV file (as Zendrik writes it: every field quoted, backslash escapes,
CR LF) again into memory, with Python's csv module or with pandas' to_csv, RUNS times; prints
the median seconds and MB/s of CSV written, as page_stages does."""
import csv
import io
import os
import statistics
import sys
import time

way, path = sys.argv[1], sys.argv[2]
runs = int(os.environ.get("RUNS", "5"))
with open(path, newline="", encoding="latin-1") as source:
    rows = list(csv.reader(source, escapechar="\\", doublequote=False))
options = dict(quoting=csv.QUOTE_ALL, escapechar="\\", doublequote=False, lineterminator="\r\n")

if way == "csv":
    def write():
        out = io.StringIO()
        csv.writer(out, **options).writerows(rows)
        return out.getvalue()
else:
    import pandas
    frame = pandas.DataFrame(rows)
    def write():
        return frame.to_csv(None, header=False, index=False, **options)

times, size = [], 0
for _ in range(runs):
    start = time.perf_counter()
    size = len(write())
    times.append(time.perf_counter() - start)
seconds = statistics.median(times)
print(f"seconds={seconds:.6f} mb_per_s={size / seconds / 1e6:.1f}")
