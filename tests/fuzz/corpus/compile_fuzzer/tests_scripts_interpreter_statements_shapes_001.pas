var i, n;
begin
  n := 0;
  i := 0.5;
  while i < 3 do
  begin
    n := n + 1;
    i := i + 1;
  end;
  Print(n, i);
end;

