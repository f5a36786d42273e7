# Appending one character to a string N times. Inside a function, where CPython keeps its variables fastest.
def main():
    s = ''
    for i in range(@N@):
        s = s + 'x'


main()
