var d;
begin
  d := EncodeDate(2024, 3, 5);
  Print(DateToStr(d), '|', TimeToStr(d + 0.5), '|', DateTimeToStr(d), '|', DateTimeToStr(d + 0.75));
end;

