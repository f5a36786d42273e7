var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(VarToStrEx(t.Settings), VarToStrEx(t.Tally(VarArrayOf('x', 'y', 'x'))));
end;

