begin
  Print(StringReplace('aXa', 'x', 'b'), StringReplace('aaa', 'aa', 'b'), StringReplace('abc', '', 'x'), StringReplace('Ab-AB-ab', 'ab', ''));
end;

