# A for loop adding to a variable N times. Inside a function, where CPython keeps its variables fastest.
def main():
    x = 0
    for i in range(1, @N@ + 1):
        x = x + 1


main()
