var s;
begin
  s := 'abc';
  Print(s[4]);
end;

