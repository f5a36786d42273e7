var b;
begin
  b := CreateOleObject('org.freedesktop.DBus');
  b.GetNameOwner('org.zendrik.Nobody');
end;

