// case: attaching needs a running service; creating starts it
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
// expect: org.freedesktop.DBus.Error.NameHasNoOwner: Could not get owner of name 'org.zendrik.Test': no such name
// expect: 7

// case: a copy is the same object
var c, d;
begin
  c := CreateOleObject('org.zendrik.Test');
  d := c;
  d.Counter := 9;
  Print(c.Counter);
end;
// expect: 9

// case: an object whose service went away fails its next call; a created one starts it again
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
// expect: org.freedesktop.DBus.Error.NameHasNoOwner: Name "org.zendrik.Test" does not exist
// expect: 3 0

// case: a name that no service provides
begin
  CreateOleObject('org.zendrik.Missing');
end;
// expect error: org.freedesktop.DBus.Error.ServiceUnknown: The name org.zendrik.Missing was not provided by any .service files

// case: the service's own errors carry its error name and a protected block handles them
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
// expect: org.zendrik.Test.Error.Refused: no luck
// expect: finally
// expect error: org.zendrik.Test.Error.Refused: again

// case: automation objects take no operators and have no text
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
// expect: Invalid variant operation
// expect error: Invalid variant type conversion
