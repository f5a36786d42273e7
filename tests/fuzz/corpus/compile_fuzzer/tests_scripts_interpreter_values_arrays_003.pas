var a;
begin
  a := MakeArray(1);
  Print(a + 1);
end;
