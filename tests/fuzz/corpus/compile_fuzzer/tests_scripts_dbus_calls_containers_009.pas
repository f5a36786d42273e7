var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Echo(Null);
end;
