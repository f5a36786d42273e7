var s, t;
begin
  s := 'abcdef';
  SetLength(@s, 3);
  t := 42;
  SetLength(@t, 4);
  Print(s, '[' + t + ']');
end;

