var x;
begin
  try
    try
      raise x;
    finally
      Print('finally');
    end;
  except
    Print('caught', exception);
  end;
end;

