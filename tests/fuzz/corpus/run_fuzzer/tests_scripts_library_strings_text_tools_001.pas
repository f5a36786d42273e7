begin
  Print(Pos('b', 'abcb'), Pos('x', 'abc'), Pos('', 'abc'), Pos('c', ''), Pos('EUR', 'Price: 12,50 EUR'));
end;

