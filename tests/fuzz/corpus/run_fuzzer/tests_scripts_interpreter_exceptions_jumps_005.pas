procedure P;
begin
  try
    Print('body');
    exit;
  finally
    Print('finally');
  end;
  Print('not reached');
end;

