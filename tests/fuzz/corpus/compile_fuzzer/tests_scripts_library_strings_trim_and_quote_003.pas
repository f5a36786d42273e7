begin
  AnsiQuotedStr('abc', '');
end;

