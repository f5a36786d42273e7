var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Add('many', 1);
end;

