var t, x;
begin
  t := CreateOleObject('org.zendrik.Test');
  x := 40;
  Print(t.Add(@x, 2), x);
end;

