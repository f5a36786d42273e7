var t, message;
begin
  t := CreateOleObject('org.zendrik.Test');
  try
    t.Describe(0, 0, 0, 0, 0, 0, 0, True, 0, '', 'a/b', '');
  except
    message := exception;
  end;
  Print(message);
  t.Describe(0, 0, 0, 0, 0, 0, 0, True, 0, '', '/', 'a{');
end;

