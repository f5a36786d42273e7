{ A while loop with mod, a comparison and an if, N iterations. }
var i, n;
begin
  i := 0;
  n := 0;
  while i < @N@ do
  begin
    if i mod 3 = 0 then n := n + 1;
    i := i + 1;
  end;
end;
