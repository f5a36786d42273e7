begin
  try
    L: Log(1)
  except
  end;
  L: Log(2)
end;

