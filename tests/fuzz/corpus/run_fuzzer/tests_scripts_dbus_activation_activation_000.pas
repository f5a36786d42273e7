var c, a, message;
begin
  try
    GetActiveOleObject('org.zendrik.Test');
  except
    message := exception;
  end;
  Print(message);
  c := CreateOleObject('org.zendrik.Test');
  c.Counter := 7;
  a := GetActiveOleObject('org.zendrik.Test');
  Print(a.Counter);
end;

