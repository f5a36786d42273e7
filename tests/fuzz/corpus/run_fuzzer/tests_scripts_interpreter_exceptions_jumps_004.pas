begin
  try
    raise 'outer';
  except
    try
      Print('a');
    finally
      Print('b');
    end;
    Print('c');
  end;
end;

