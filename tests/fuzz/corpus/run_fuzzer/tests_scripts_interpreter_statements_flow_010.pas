var a;
begin
  a := 1;
  Swap(a, 2);
end;
