var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Nothing;
  Print(t.Nothing);
end;

