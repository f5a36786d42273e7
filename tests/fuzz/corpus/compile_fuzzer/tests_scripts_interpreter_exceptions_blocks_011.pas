begin
  try
    NoMemory;
  except
    Print('handler', exception);
  end;
  Print('after');
end;

