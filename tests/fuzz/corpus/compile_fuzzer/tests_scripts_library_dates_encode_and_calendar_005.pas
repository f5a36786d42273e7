begin
  Print(FormatDateTime('yyyy-mm-dd', IncMonth(EncodeDate(2001, 1, 31), 1)));
  Print(FormatDateTime('yyyy-mm-dd', IncMonth(EncodeDate(2001, 1, 31), -2)));
  Print(FormatDateTime('yyyy-mm-dd hh:nn', IncMonth(EncodeDate(2000, 3, 31) + 0.5, -1)));
  Print(FormatDateTime('yyyy-mm-dd', IncMonth(EncodeDate(2001, 1, 31), -25)));
end;

