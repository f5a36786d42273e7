var i;
begin
  for i := 1 to 2 do
    try
      try
        Print('body', i);
        continue;
      except
        Print('never');
      end;
      Print('never');
    finally
      Print('finally', i);
    end;
  Print('done');
end;

