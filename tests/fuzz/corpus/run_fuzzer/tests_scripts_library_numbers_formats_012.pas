begin
  Print(CurrToStr(StrToCurr('0') + '0.00005'), CurrToStr(StrToCurr('0') + '0.00015'));
end;
