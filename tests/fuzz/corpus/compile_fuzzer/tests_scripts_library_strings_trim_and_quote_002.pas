begin
  Print(AnsiQuotedStr('a"b', '"x'), AnsiQuotedStr('1«2', '«'), AnsiQuotedStr('', '*'));
end;

