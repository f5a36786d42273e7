// case: UpperCase maps only a to z, AnsiUpperCase maps the other letters too
begin
  Print(UpperCase('abc ü 1'), AnsiUpperCase('abc ü 1'), LowerCase('ABC Ü'), AnsiLowerCase('ABC Ü'));
end;
// expect: ABC ü 1 ABC Ü 1 abc Ü abc ü

// case: UpperCase of Null fails with the conversion error
begin
  UpperCase(Null);
end;
// expect error: Invalid variant type conversion

// case: CompareStr gives the difference of the first differing bytes, CompareText ignores a to z case
begin
  Print(CompareStr('abc', 'abd'), CompareStr('abc', 'ab'), CompareStr('a', 'B'), CompareStr('x', 'x'));
  Print(CompareText('ABC', 'abd'), CompareText('[', 'a'), CompareText('a', 'ab'), SameText('HeLLo', 'hello'));
end;
// expect: -1 1 31 0
// expect: -1 26 -1 True

// case: the Ansi comparisons follow the collation of the locale
begin
  Print(AnsiCompareStr('a', 'b') < 0, AnsiSameStr('a', 'A'), AnsiSameText('äbc', 'ÄBC'), AnsiCompareText('b', 'A') > 0);
end;
// expect: True False True True

// case: a number argument is text
begin
  Print(UpperCase(12) + 'x', Trim(5));
end;
// expect: 12x 5

// case: a fixed-count function called with another count cannot be invoked in that manner
begin
  AnsiQuotedStr('abc');
end;
// expect error: Unable to invoke method or property AnsiQuotedStr in this manner
