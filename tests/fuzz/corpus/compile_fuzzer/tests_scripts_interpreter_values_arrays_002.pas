var a, b;
begin
  a := MakeArray(1);
  b := a;
  b[0] := 'changed';
  Print(a, b);
end;

