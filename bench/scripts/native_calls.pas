{ N calls of a native function with two arguments. }
var i, c;
begin
  for i := 1 to @N@ do c := GetCell(1, 1);
end;
