begin
  Print(StringReplace(WrapText('say "hello world again" now', 8), #13#10, '|'));
  Print(StringReplace(WrapText('one two'#13#10'three four five', 9), #13#10, '|'));
  Print('[' + WrapText(Null, 5) + ']');
end;
