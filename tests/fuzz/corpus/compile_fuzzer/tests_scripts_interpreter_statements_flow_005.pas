var i, n;
begin
  i := 0;
  n := 0;
  while i < 10 do
  begin
    i := i + 1;
    if i mod 2 = 0 then continue;
    if i > 7 then break;
    n := n + i;
  end;
  repeat
    n := n * 2;
  until n > 100;
  Print(i, n);
end;

