begin
  Print(CompareStr('abc', 'abd'), CompareStr('abc', 'ab'), CompareStr('a', 'B'), CompareStr('x', 'x'));
  Print(CompareText('ABC', 'abd'), CompareText('[', 'a'), CompareText('a', 'ab'), SameText('HeLLo', 'hello'));
end;

