begin
  try
    Print('body');
  finally
    Print('finally');
  end;
  Print('after');
end;

