var d;
begin
  d := EncodeDate(2024, 12, 31) + EncodeTime(23, 59, 59, 999);
  Print(VarToStr(d), '|', DateTimeToStr(d), '|', VarToStrEx(VarArrayOf(d)));
  d := EncodeDate(2024, 12, 31) + EncodeTime(23, 59, 59, 500);
  Print(VarToStr(d), '|', DateTimeToStr(d));
end;

