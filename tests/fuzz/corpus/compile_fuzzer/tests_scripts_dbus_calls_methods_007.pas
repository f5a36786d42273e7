var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Add := 1;
end;

