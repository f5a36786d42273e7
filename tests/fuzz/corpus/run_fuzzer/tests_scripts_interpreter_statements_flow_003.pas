var i, s;
begin
  s := 0;
  for i := 1 to 10 do s := s + i;
  Print(s, i);
end;

