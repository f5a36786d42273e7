var nothing;
begin
  Print('[' + VarToStr(Null) + ']', VarToStr(1.5), VarToStrEx(Null), VarToStrEx(nothing));
end;

