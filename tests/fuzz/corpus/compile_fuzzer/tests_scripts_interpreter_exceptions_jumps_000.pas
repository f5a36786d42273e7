var i, n;
begin
  n := 0;
  for i := 1 to 1200 do begin
    try
      if i mod 2 = 0 then continue;
    finally
      n := n + 1;
    end;
  end;
  Print(n);
end;

