begin
  Print(UpperCase('abc ü 1'), AnsiUpperCase('abc ü 1'), LowerCase('ABC Ü'), AnsiLowerCase('ABC Ü'));
end;

