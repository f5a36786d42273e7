var x, y, z;
begin
  x := 1.5;
  x := x + 1;
  y := '7';
  y := y * 2;
  z := 2147483647;
  z := z + 1;
  Print(x, y, z);
end;

