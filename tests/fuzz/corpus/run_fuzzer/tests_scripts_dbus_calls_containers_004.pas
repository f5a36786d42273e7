var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(t.Where(VarArrayOf(3, 4)), VarToStrEx(t.Middle(VarArrayOf(0, 0), VarArrayOf(4, 6))));
  Print(t.Roster(VarArrayOf(VarArrayOf('a', 1), VarArrayOf('b', 2))), t.Trace(VarArrayOf(VarArrayOf(1, 2), VarArrayOf(3, 4))));
end;

