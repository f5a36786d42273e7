var a;
begin
  a := VarArrayOf('x', 'y');
  Print(a[0], a[1], VarToStrEx(a));
end;

