"""The pandas way from a page to a CSV file: read_html, then to_csv of the first table."""
import sys

import pandas

pandas.read_html(sys.argv[1])[0].to_csv(sys.argv[2])
