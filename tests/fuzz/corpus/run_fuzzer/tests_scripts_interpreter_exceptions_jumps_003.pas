var i;
begin
  for i := 1 to 3 do
    try
      raise 'bad row';
    except
      break;
    end;
  try
    Print('clean');
  finally
    Print('finally');
  end;
  Print('exception', exception);
end;

