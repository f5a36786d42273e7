var c, d;
begin
  c := CreateOleObject('org.zendrik.Test');
  d := c;
  d.Counter := 9;
  Print(c.Counter);
end;

