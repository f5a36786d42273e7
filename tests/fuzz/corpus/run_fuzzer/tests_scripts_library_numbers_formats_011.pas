begin
  Print(CurrToStr(StrToCurr('-922337203685477.58085')));
  StrToCurr('-922337203685477.58086');
end;

