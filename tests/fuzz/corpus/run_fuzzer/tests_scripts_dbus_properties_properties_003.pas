var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Counter := 'many';
end;

