var s;
begin
  s := 'abc';
  Print(s[1, 2]);
end;
