var s, t, i;
begin
  s := 'a';
  for i := 1 to 3 do
  begin
    t := s;
    s := s + 'b';
  end;
  s := s + s;
  Print(s, t);
end;

