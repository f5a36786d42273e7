begin
  AnsiQuotedStr('abc');
end;
