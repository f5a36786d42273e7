var a;
begin
  a := VarArrayCreate(2);
  a[2] := 'last';
  Print(a);
end;

