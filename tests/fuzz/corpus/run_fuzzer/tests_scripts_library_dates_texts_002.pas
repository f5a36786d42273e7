var d;
begin
  d := EncodeDate(2024, 3, 5) + EncodeTime(13, 5, 9, 0);
  Print(StrToDate(DateToStr(d)) = EncodeDate(2024, 3, 5), StrToTime('13:05:09') = EncodeTime(13, 5, 9, 0));
  Print(StrToDateTime(DateTimeToStr(d)) = d, StrToTime('1:05 PM') = EncodeTime(13, 5, 0, 0));
end;

