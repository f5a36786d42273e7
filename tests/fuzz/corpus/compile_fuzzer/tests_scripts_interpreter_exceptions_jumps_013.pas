var i, n;
begin
  n := 0;
  try
    for i := 1 to 3 do
      try
        if i = 3 then raise 'x';
        if i = 1 then continue;
      finally
        goto skip;
        n := n + 100;
        skip: n := n + 1;
      end;
  except
    Print(n, exception);
  end;
end;

