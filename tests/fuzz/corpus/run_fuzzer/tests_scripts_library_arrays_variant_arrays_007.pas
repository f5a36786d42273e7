var s;
begin
  s := 'abc';
  SetLength(s, 1);
end;

