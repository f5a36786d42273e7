var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(t.Lookup(VarArrayOf('a', 1, 'b', 'two'), 'b'), t.Lookup(VarArrayOf(VarArrayOf('a', 1), VarArrayOf('b', True)), 'b'));
  Print(t.Total(VarArrayOf('a', 2, 'b', 3)));
end;

