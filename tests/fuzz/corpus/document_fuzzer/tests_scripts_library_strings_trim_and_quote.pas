// case: Trim removes blanks and control characters at the ends only
begin
  Print('[' + Trim(#9'  a b '#13#10) + ']', '[' + TrimLeft('  a ') + ']', '[' + TrimRight('  a ') + ']');
end;
// expect: [a b] [a ] [  a]

// case: QuotedStr doubles the inner quote and grows by three characters
var s;
begin
  s := QuotedStr('it''s');
  Print(s, Length(s) - Length('it''s'));
end;
// expect: 'it''s' 3

// case: AnsiQuotedStr uses the first character of its quote text, several bytes when it is one
begin
  Print(AnsiQuotedStr('a"b', '"x'), AnsiQuotedStr('1«2', '«'), AnsiQuotedStr('', '*'));
end;
// expect: "a""b" «1««2« **

// case: AnsiQuotedStr with an empty quote text fails
begin
  AnsiQuotedStr('abc', '');
end;
// expect error: AnsiQuotedStr needs a quote character, not an empty text

// case: AdjustLineBreaks makes every line end CR LF
var s;
begin
  s := AdjustLineBreaks('a'#13'b'#10'c'#10#13'd'#13#10'e');
  Print(StringReplace(StringReplace(s, #13, '<CR>'), #10, '<LF>'));
end;
// expect: a<CR><LF>b<CR><LF>c<CR><LF>d<CR><LF>e

// case: IsValidIdent wants a letter or underscore first, then letters, digits and underscores
begin
  Print(IsValidIdent('_a1'), IsValidIdent('1a'), IsValidIdent('a.b'), IsValidIdent(''), IsValidIdent('Zz9'));
end;
// expect: True False False False True

// case: SetLength has the result limit of Format
var s;
begin
  s := 'abc';
  SetLength(@s, 5);
  Print('[' + s + ']');
  SetLength(@s, 2147483647);
end;
// expect: [abc  ]
// expect error: String too long
