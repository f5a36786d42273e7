begin
  try
    Print('in');
    exit;
  finally
    Print('finally');
  end;
  Print('not reached');
end;

