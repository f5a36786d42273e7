begin
  try
    again: Log(1)
  finally
  end;
  goto again
end;

