var a;
begin
  a := MakeArray(3);
  a[1] := 'x';
  a[2] := 7;
  Print(a[1], a[2] + 1, a[0], a);
end;

