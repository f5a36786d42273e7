begin
  try
    raise 42;
  except
    Print(exception + 1);
  end;
end;

