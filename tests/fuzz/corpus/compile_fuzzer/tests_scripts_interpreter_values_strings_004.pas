var s, i;
begin
  s := '';
  for i := 1 to 5 do s := s + 'x';
  for i := 1 to 3 do s := s + '.' + 'y';
  Print(s);
end;

