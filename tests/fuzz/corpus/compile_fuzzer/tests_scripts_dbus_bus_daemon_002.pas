var s, b, message;
begin
  s := GetActiveOleObject('system:org.freedesktop.DBus');
  b := GetActiveOleObject('org.freedesktop.DBus');
  Print(s.GetId = b.GetId);
  try
    CreateOleObject('system:org.zendrik.Test');
  except
    message := exception;
  end;
  Print(message);
end;
