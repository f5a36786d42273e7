var b;
begin
  b := GetActiveOleObject('org.freedesktop.DBus');
  Print(b.NameHasOwner('org.freedesktop.DBus'), b.NameHasOwner('org.zendrik.Test'), b.GetNameOwner('org.freedesktop.DBus'));
  Print(VarToStrEx(b.ListActivatableNames));
  Print(b.StartServiceByName('org.zendrik.Test', 0), b.StartServiceByName('org.zendrik.Test', 0));
  Print(AnsiPos('org.zendrik.Test', VarToStrEx(b.ListNames)) > 0, b.NameHasOwner('org.zendrik.Test'));
  Print(VarToStrEx(b.Features));
end;

