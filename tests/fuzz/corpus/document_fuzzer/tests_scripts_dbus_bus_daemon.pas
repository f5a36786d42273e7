// case: the bus daemon answers as a service of its own
var b;
begin
  b := GetActiveOleObject('org.freedesktop.DBus');
  Print(b.NameHasOwner('org.freedesktop.DBus'), b.NameHasOwner('org.zendrik.Test'), b.GetNameOwner('org.freedesktop.DBus'));
  Print(VarToStrEx(b.ListActivatableNames));
  Print(b.StartServiceByName('org.zendrik.Test', 0), b.StartServiceByName('org.zendrik.Test', 0));
  Print(AnsiPos('org.zendrik.Test', VarToStrEx(b.ListNames)) > 0, b.NameHasOwner('org.zendrik.Test'));
  Print(VarToStrEx(b.Features));
end;
// expect: True False org.freedesktop.DBus
// expect: [org.freedesktop.DBus, org.zendrik.Test]
// expect: 1 2
// expect: True True
// expect: [ActivatableServicesChanged, HeaderFiltering]

// case: the bus daemon's errors
var b;
begin
  b := CreateOleObject('org.freedesktop.DBus');
  b.GetNameOwner('org.zendrik.Nobody');
end;
// expect error: org.freedesktop.DBus.Error.NameHasNoOwner: Could not get owner of name 'org.zendrik.Nobody': no such name

// case: system: reaches the system bus, another bus with services of its own
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
// expect: False
// expect: org.freedesktop.DBus.Error.ServiceUnknown: The name org.zendrik.Test was not provided by any .service files
