var s, t;
begin
  s := 'abc';
  t := s;
  s[1] := 'xyz';
  s[3] := 5;
  Print(s, t);
end;

