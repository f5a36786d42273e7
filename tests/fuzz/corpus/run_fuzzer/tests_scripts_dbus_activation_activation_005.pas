var t, message;
begin
  t := CreateOleObject('org.zendrik.Test');
  try
    Print(t = t);
  except
    message := exception;
  end;
  Print(message);
  Print(VarToStrEx(t));
end;
