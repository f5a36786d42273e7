begin
  Print(FloatToStr(1/3), FloatToStr(StrToFloat('1e20')), FloatToStr(0.00001), FloatToStr(100), CurrToStr(StrToCurr('-0.0001')));
end;

