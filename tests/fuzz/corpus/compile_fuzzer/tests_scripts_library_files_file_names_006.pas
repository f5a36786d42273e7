begin
  Print(AnsiUpperCaseFileName('abc.txt'), AnsiLowerCaseFileName('ABC.TXT'), AnsiCompareFileName('abc', 'abc'), AnsiCompareFileName('abc', 'ABC') <> 0);
end;
