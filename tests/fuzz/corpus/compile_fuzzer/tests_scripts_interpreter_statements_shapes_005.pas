var i, n;
begin
  n := 0;
  for i := 2147483646 to 2147483647 do n := n + 1;
  Print(n, i);
end;

