var i, s;
begin
  s := 0;
  for i := 3 downto 1 do s := s * 10 + i;
  Print(s, i);
end;

