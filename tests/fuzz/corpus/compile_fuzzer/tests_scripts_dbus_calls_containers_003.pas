var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Lookup(VarArrayOf('a', 1, 'b'), 'b');
end;

