var a, i, total;
begin
  a := SplitString('3,4,5', ',');
  total := 0;
  for i := VarArrayLowBound(a, 1) to VarArrayHighBound(a, 1) do total := total + a[i];
  Print(total, VarArrayLowBound(a, 1), VarArrayHighBound(VarArrayCreate(-1), 1), VarArrayHighBound(RegExFindAll('', 'x', 0), 1));
  VarArrayHighBound(a, 2);
end;

