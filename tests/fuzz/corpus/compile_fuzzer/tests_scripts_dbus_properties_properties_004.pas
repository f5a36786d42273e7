var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Counter(1);
end;
