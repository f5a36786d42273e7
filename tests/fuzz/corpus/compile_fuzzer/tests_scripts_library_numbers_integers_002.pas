begin
  Print(StrToIntDef('12x', 7), StrToIntDef('12 ', 7), StrToIntDef('', 7), StrToIntDef('0x1F', 7), StrToIntDef('2147483648', 7), StrToIntDef('$100000000', 7));
end;

