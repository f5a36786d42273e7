begin
  try
    raise 'x';
  except
  end;
  Print(exception);
end;

