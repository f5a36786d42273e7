{ Appending one character to a string N times. }
var s, i;
begin
  s := '';
  for i := 1 to @N@ do s := s + 'x';
end;
