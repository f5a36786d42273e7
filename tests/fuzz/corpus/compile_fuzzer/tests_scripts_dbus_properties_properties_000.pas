var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(t.Counter, t.Name, t.Version);
  t.Counter := 41;
  t.counter := t.Counter + 1;
  t.Name := 12;
  t.Tags := VarArrayOf('a', 'b');
  Print(t.Counter, t.Name, VarToStrEx(t.Tags));
end;

