begin
  try
    try
      raise 'outer';
    except
      try
        Print('inner');
      finally
        Print('finally');
      end;
      Print('after', exception);
    end;
  except
    Print('not reached', exception);
  end;
end;

