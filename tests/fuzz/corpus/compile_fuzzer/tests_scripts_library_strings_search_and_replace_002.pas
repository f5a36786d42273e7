begin
  Print(StringReplace(WrapText('The quick brown fox jumps over the lazy dog', 10), #13#10, '|'));
  Print(StringReplace(WrapText('abc-def-ghi jkl', 5), #13#10, '|'));
  Print(StringReplace(WrapText('aaaaaaaaaaaa bbb', 5), #13#10, '|'));
end;

