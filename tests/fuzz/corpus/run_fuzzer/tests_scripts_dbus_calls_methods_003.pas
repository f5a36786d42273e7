var w;
begin
  w := CreateOleObject('org.zendrik.Test').Widths;
  Print(VarToStrEx(w));
end;

