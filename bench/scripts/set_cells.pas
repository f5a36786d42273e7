{ Writing N cells, ten to a row, in batch mode. }
var i;
begin
  for i := 0 to @N@ - 1 do SetCell(i mod 10 + 1, i div 10 + 1, 'x');
end;
