var t, message;
begin
  t := CreateOleObject('org.zendrik.Test');
  try
    t.Fail('no luck');
  except
    message := exception;
  end;
  Print(message);
  try
    t.Fail('again');
  finally
    Print('finally');
  end;
end;

