begin
  try
    try
      raise 'outer';
    except
      try
        raise 'inner';
      except
        Print('inner handler', exception);
      end;
      Print('outer handler', exception);
      raise exception;
    end;
  except
    Print('caught again', exception);
  end;
  Print('at the end', exception);
end;

