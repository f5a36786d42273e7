begin
  Print(RegExMatch('Price: 12,50 EUR', '\d+,\d\d'), RegExMatch('abc', '^b'), RegExMatch('ABC', '(?i)abc'), RegExMatch('', '^$'));
end;

