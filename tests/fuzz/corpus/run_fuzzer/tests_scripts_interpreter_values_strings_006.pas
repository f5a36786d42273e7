var n;
begin
  n := 5;
  Print(n[1]);
end;

