# A while loop with mod, a comparison and an if, N iterations. Inside a function, where CPython keeps its variables fastest.
def main():
    i = 0
    n = 0
    while i < @N@:
        if i % 3 == 0:
            n = n + 1
        i = i + 1


main()
