var i, n;
begin
  i := 0;
  n := 0;
  repeat
    i := i + 1;
    try
      if i = 500 then break;
    finally
      n := n + 1;
    end;
  until false;
  while true do
    try
      break;
    except
    end;
  Print(i, n);
end;
