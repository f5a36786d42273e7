begin
  try
    goto handler
  except
    handler: Log(1)
  end
end;

