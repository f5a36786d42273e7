var c, a, message;
begin
  c := CreateOleObject('org.zendrik.Test');
  c.Counter := 5;
  a := GetActiveOleObject('org.zendrik.Test');
  a.Quit;
  try
    a.Add(1, 2);
  except
    message := exception;
  end;
  Print(message);
  Print(c.Add(1, 2), c.Counter);
end;

