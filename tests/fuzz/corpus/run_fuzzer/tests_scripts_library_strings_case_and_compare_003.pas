begin
  Print(AnsiCompareStr('a', 'b') < 0, AnsiSameStr('a', 'A'), AnsiSameText('äbc', 'ÄBC'), AnsiCompareText('b', 'A') > 0);
end;

