var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Join(Null, Null);
end;
