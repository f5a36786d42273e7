var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Describe(256, 0, 0, 0, 0, 0, 0, True, 0, '', '/', '');
end;

