var d;
begin
  d := EncodeDate(50, 3, 5);
  Print(VarToStr(d), '|', DateToStr(d), '|', VarToStr(EncodeDate(1, 1, 1)));
  Print(StrToDate(DateToStr(d)) = d);
end;

