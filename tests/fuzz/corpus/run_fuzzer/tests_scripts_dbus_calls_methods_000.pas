var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(t.Add(2, 3), t.Join(VarArrayOf('a', 'b', 'c'), '-'), VarToStrEx(t.Split('x,y', ',')));
end;

