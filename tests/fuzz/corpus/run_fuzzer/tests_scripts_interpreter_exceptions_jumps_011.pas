var i;
begin
  try
    for i := 1 to 3 do
      try
        break;
      finally
        raise 'from finally';
      end;
  except
    Print('handler', exception);
  end;
end;

