var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(t.TypeOf(1), t.TypeOf('x'), t.TypeOf(True), t.TypeOf(1.5), t.TypeOf(VarArrayOf(1, 'a')), t.TypeOf(t));
  Print(VarToStrEx(t.Echo(VarArrayOf(1, 'a', VarArrayOf(True, 2.5)))), t.Echo(t));
end;

