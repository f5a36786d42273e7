# N calls of a native (C) function with two arguments. Inside a function, where CPython keeps its variables fastest.
def main():
    c = None
    for i in range(@N@):
        c = max(1, 1)


main()
