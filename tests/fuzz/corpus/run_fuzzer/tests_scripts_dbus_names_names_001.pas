var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.mode;
end;

