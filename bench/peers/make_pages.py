"""Writes the benchmark's pages into a folder: table.html (a 130,000-row price table, about
20 MB), tiny.html (10 MB of "a<b>", 2.6 million tiny items) and params.html (one tag with 2.6
million parameters, 7.8 MB)."""
import sys

folder = sys.argv[1]

with open(f"{folder}/table.html", "w") as page:
    page.write("<html><head><title>Prices</title></head><body>\n<table>\n"
               "<tr><th>Item</th><th>Price</th><th>Link</th><th>Note</th></tr>\n")
    for n in range(130000):
        page.write(f'<tr><td>Item {n}</td><td>{n % 997},{n % 100:02d} &euro;</td>'
                   f'<td><a href="/item/{n}.html">page {n}</a></td>'
                   f'<td>in stock &amp; ready to ship, order number {n * 7919 % 1000003}</td>'
                   '</tr>\n')
    page.write("</table>\n</body></html>\n")

with open(f"{folder}/tiny.html", "w") as page:
    page.write("a<b>" * (10 * 1024 * 1024 // 4))

with open(f"{folder}/params.html", "w") as page:
    page.write("<p " + "ab " * 2600000 + ">")
