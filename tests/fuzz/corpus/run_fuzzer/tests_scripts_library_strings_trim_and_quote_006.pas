var s;
begin
  s := 'abc';
  SetLength(@s, 5);
  Print('[' + s + ']');
  SetLength(@s, 2147483647);
end;
