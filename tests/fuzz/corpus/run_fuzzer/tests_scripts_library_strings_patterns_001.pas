begin
  Print(RegExFind('Price: 12,50 EUR', '(\d+),(\d\d)', 0), RegExFind('Price: 12,50 EUR', '(\d+),(\d\d)', 2));
  Print('[' + RegExFind('abc', 'x(y)', 1) + ']', '[' + RegExFind('ac', 'a(b)?c', 1) + ']');
end;

