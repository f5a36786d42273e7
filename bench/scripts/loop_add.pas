{ A for loop adding to a variable N times. }
var i, x;
begin
  x := 0;
  for i := 1 to @N@ do x := x + 1;
end;
