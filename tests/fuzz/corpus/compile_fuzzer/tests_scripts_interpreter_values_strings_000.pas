var s;
begin
  s := 'abc';
  Print(s[2]);
end;

