var d;
begin
  d := EncodeDate(2024, 3, 5) + EncodeTime(13, 5, 9, 7);
  Print(FormatDateTime('yyyy-mm-dd hh:nn:ss.zzz', d));
  Print(FormatDateTime('d/m/yy h:n:s z', d));
  Print(FormatDateTime('ddd dddd mmm mmmm', d));
  Print(FormatDateTime('h:mm am/pm|hh:mm a/p|hh AM/PM|h ampm', d));
  Print(FormatDateTime('hh "o''clock" ''quoted'' mm', d));
end;

