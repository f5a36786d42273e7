var a;
begin
  a := MakeArray(2);
  a[2] := 1;
end;

