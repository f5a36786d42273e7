begin
  try
    Fail('broken');
  except
    Print(exception);
  end;
end;

