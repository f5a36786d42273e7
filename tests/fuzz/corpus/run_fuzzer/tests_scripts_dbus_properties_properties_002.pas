var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Version := '2';
end;

