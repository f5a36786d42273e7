var a, b;
begin
  a := VarArrayOf(1, 2, 3);
  b := VarArrayRedim(a, 2);
  Print(b, a, VarArrayRedim(a, 5));
end;

