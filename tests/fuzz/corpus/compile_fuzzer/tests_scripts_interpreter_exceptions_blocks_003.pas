begin
  try
    Fail('boom');
  finally
    Print('finally');
  end;
  Print('not reached');
end;

