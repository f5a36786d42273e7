var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(t.ADD(1, 2), t.counter, t.Mode, t.MODE);
end;

