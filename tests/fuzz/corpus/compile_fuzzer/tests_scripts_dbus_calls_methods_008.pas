var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(t.Tags[0]);
end;
