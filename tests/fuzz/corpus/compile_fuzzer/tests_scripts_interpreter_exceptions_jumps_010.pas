var i;
begin
  for i := 1 to 3 do
    try
      raise 'dropped';
    finally
      Print('finally', i, exception);
      break;
    end;
  Print('after', exception);
end;

