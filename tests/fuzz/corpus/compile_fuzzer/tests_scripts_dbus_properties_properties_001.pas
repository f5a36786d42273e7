var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(VarToStrEx(t.GetAll('org.zendrik.Test')), t.Get('org.zendrik.Test', 'Version'));
end;

