var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Where(VarArrayOf(3));
end;

