var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(t.Add(2.5, 0), t.Add('3.5', 0.25), t.Sum(VarArrayOf(1, 2.5, '3')), t.Add(True, 0));
end;

