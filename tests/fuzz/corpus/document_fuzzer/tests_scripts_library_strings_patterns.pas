// case: RegExMatch tells whether a Perl-compatible pattern matches somewhere
begin
  Print(RegExMatch('Price: 12,50 EUR', '\d+,\d\d'), RegExMatch('abc', '^b'), RegExMatch('ABC', '(?i)abc'), RegExMatch('', '^$'));
end;
// expect: True False True True

// case: RegExFind gives a group of the first match, empty when nothing matches
begin
  Print(RegExFind('Price: 12,50 EUR', '(\d+),(\d\d)', 0), RegExFind('Price: 12,50 EUR', '(\d+),(\d\d)', 2));
  Print('[' + RegExFind('abc', 'x(y)', 1) + ']', '[' + RegExFind('ac', 'a(b)?c', 1) + ']');
end;
// expect: 12,50 50
// expect: [] []

// case: RegExFind refuses a group the pattern does not have
begin
  RegExFind('abc', '(b)', 2);
end;
// expect error: The regular expression has no group 2

// case: RegExFindAll gives a group of every match
var links;
begin
  links := RegExFindAll('<a href="a.html">A</a> <a href="b.html">B</a>', 'href="([^"]*)"', 1);
  Print(VarToStrEx(links), VarToStrEx(RegExFindAll('abc', 'x', 0)), VarToStrEx(RegExFindAll('a1b22', '\d*', 0)));
end;
// expect: [a.html, b.html] [] [, 1, , 22, ]

// case: RegExReplace replaces every match, with \1 to \9 for groups
begin
  Print(RegExReplace('Price: 12,50 EUR', '(\d+),(\d\d)', '\1.\2'), RegExReplace('a-b-c', '-', ''), RegExReplace('abc', '(x)?b', '[\1\0\\]'));
end;
// expect: Price: 12.50 EUR abc a[b\]c

// case: texts that are UTF-8 are matched by character, others by byte as Latin-1
begin
  Print(RegExFind('Grüße aus Köln', 'K.ln', 0), RegExMatch('Gr'#252'n', '^Gr.n$'), Length(RegExFind('Gr'#252'n', '^Gr(.)n$', 1)));
  Print(RegExReplace('Grüße', 'ü', 'ue'), Length(RegExReplace('Gr'#252'n', #252, 'ue')), RegExFind('€ 5', '^.', 0) = '€');
end;
// expect: Köln True 1
// expect: Grueße 5 True

// case: an invalid pattern says what is wrong and where
begin
  RegExMatch('abc', 'a(b');
end;
// expect error: Invalid regular expression: missing closing parenthesis at offset 3

// case: a pattern that backtracks without end stops with an error in every function
var s;
begin
  s := 'a';
  while Length(s) < 40 do s := s + s;
  s := s + 'b';
  try RegExFind(s, '(a+)+$', 0); except Print(exception); end;
  try RegExFindAll(s, '(a+)+$', 0); except Print(exception); end;
  try RegExReplace(s, '(a+)+$', ''); except Print(exception); end;
  RegExMatch(s, '(a+)+$');
end;
// expect: Regular expression match took too long
// expect: Regular expression match took too long
// expect: Regular expression match took too long
// expect error: Regular expression match took too long

// case: Sleep waits and takes no time for zero or less
begin
  Sleep(0);
  Sleep(-5);
  Sleep(20);
  Print('slept');
end;
// expect: slept
