begin
  Print(RegExReplace('Price: 12,50 EUR', '(\d+),(\d\d)', '\1.\2'), RegExReplace('a-b-c', '-', ''), RegExReplace('abc', '(x)?b', '[\1\0\\]'));
end;

