begin
  Print(FloatToStr(EncodeDate(2000, 1, 1)), FloatToStr(EncodeDate(1, 1, 1)), FloatToStr(EncodeDate(9999, 12, 31)), FloatToStr(EncodeTime(12, 0, 0, 0)));
end;

