begin
  Print('[' + Copy('Price: 12,50 EUR', 8, 5) + ']', '[' + Copy('abcdef', 0, 2) + ']', '[' + Copy('abcdef', -1, 3) + ']');
  Print('[' + Copy('abcdef', 2, -1) + ']', '[' + Copy('abcdef', 7, 1) + ']', '[' + Copy('abcdef', 6, 100) + ']', '[' + Copy(12345, 2, 3) + ']');
end;

