begin
  Print(AnsiPos('lo', 'hello'), AnsiPos('', 'hello'), AnsiPos('x', 'hello'), AnsiPos('ü', 'aüb'));
  Print(LastDelimiter('/\.', '/a/b.txt'), LastDelimiter('x', 'abc'));
  Print(IsDelimiter('/', 'a/b', 2), IsDelimiter('/', 'a/b', 1), IsDelimiter('/', 'a/b', 0), IsDelimiter('/', 'a/b', 4));
end;

