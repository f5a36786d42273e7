begin
  Print(StrToInt('$1F'), StrToInt('  -12'), StrToInt('+5'), StrToInt('-$1F'), StrToInt('$FFFFFFFF'), StrToInt('-2147483648'));
end;

