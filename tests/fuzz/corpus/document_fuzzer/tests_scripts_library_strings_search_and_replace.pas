// case: StringReplace matches without regard to case and does not overlap
begin
  Print(StringReplace('aXa', 'x', 'b'), StringReplace('aaa', 'aa', 'b'), StringReplace('abc', '', 'x'), StringReplace('Ab-AB-ab', 'ab', ''));
end;
// expect: aba ba abc --

// case: AnsiPos, LastDelimiter and IsDelimiter count from 1 and give 0 or false when absent
begin
  Print(AnsiPos('lo', 'hello'), AnsiPos('', 'hello'), AnsiPos('x', 'hello'), AnsiPos('ü', 'aüb'));
  Print(LastDelimiter('/\.', '/a/b.txt'), LastDelimiter('x', 'abc'));
  Print(IsDelimiter('/', 'a/b', 2), IsDelimiter('/', 'a/b', 1), IsDelimiter('/', 'a/b', 0), IsDelimiter('/', 'a/b', 4));
end;
// expect: 4 0 0 2
// expect: 5 0
// expect: True False False False

// case: WrapText breaks after a blank, a hyphen or a tab so that lines stay within the column
begin
  Print(StringReplace(WrapText('The quick brown fox jumps over the lazy dog', 10), #13#10, '|'));
  Print(StringReplace(WrapText('abc-def-ghi jkl', 5), #13#10, '|'));
  Print(StringReplace(WrapText('aaaaaaaaaaaa bbb', 5), #13#10, '|'));
end;
// expect: The quick |brown fox |jumps over |the lazy |dog
// expect: abc-|def-|ghi |jkl
// expect: aaaaaaaaaaaa |bbb

// case: WrapText does not break quoted text and starts again after a line end of the text
begin
  Print(StringReplace(WrapText('say "hello world again" now', 8), #13#10, '|'));
  Print(StringReplace(WrapText('one two'#13#10'three four five', 9), #13#10, '|'));
  Print('[' + WrapText(Null, 5) + ']');
end;
// expect: say |"hello world again" |now
// expect: one two|three |four five
// expect: []
