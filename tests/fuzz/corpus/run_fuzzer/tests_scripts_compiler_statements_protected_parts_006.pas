begin
  goto inside;
  try
    inside: Log(1)
  except
  end
end;

