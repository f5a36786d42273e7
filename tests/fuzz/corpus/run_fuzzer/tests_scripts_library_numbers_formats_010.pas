begin
  Print(CurrToStr(StrToCurr('922337203685477.5807')), CurrToStr(StrToCurr('-922337203685477.5808')));
  Print(CurrToStr(StrToCurr('-0.00005')), CurrToStr(StrToCurr('0.00015')), CurrToStr(StrToCurr('0.00025')), CurrToStr(StrToCurr('0.000251')));
  Print(CurrToStr(StrToCurr('1.5e-4')), CurrToStr(StrToCurr('0e999')), CurrToStr(StrToCurr(' +12.5e2 ')), CurrToStr(StrToCurr('0.00001e4')));
  StrToCurr('922337203685477.5808');
end;

