"""libxml2's HTML parser (through lxml) over a page in memory, RUNS times: the median seconds
and MB/s, as page_stages prints them for Zendrik's tokenizer and walk."""
import os
import statistics
import sys
import time

import lxml.html

with open(sys.argv[1], "rb") as source:
    page = source.read()
runs = int(os.environ.get("RUNS", "5"))
times = []
for _ in range(runs):
    start = time.perf_counter()
    lxml.html.document_fromstring(page)
    times.append(time.perf_counter() - start)
seconds = statistics.median(times)
print(f"seconds={seconds:.6f} mb_per_s={len(page) / seconds / 1e6:.1f}")
