# Writing N cells, ten to a row, into a list of rows. Inside a function, where CPython keeps its variables fastest.
def main():
    rows = []
    for i in range(@N@):
        r = i // 10
        if r == len(rows):
            rows.append([])
        row = rows[r]
        c = i % 10
        if c == len(row):
            row.append('x')
        else:
            row[c] = 'x'


main()
