// case: Copy takes bytes from an index, at most a count, with Pascal's rules out of range
begin
  Print('[' + Copy('Price: 12,50 EUR', 8, 5) + ']', '[' + Copy('abcdef', 0, 2) + ']', '[' + Copy('abcdef', -1, 3) + ']');
  Print('[' + Copy('abcdef', 2, -1) + ']', '[' + Copy('abcdef', 7, 1) + ']', '[' + Copy('abcdef', 6, 100) + ']', '[' + Copy(12345, 2, 3) + ']');
end;
// expect: [12,50] [ab] [abc]
// expect: [] [] [f] [234]

// case: Pos finds the first occurrence from 1 and gives 0 for none
begin
  Print(Pos('b', 'abcb'), Pos('x', 'abc'), Pos('', 'abc'), Pos('c', ''), Pos('EUR', 'Price: 12,50 EUR'));
end;
// expect: 2 0 0 0 14

// case: Delete and Insert edit the variable in place
var s;
begin
  s := 'abcdef'; Delete(@s, 2, 2); Print(s);
  s := 'abcdef'; Delete(@s, 0, 2); Delete(@s, 7, 1); Delete(@s, 1, 0); Delete(@s, 1, -1); Print(s);
  s := 'abcdef'; Delete(@s, 3, 2147483647); Print(s);
  s := 'abc'; Insert('XY', @s, 3); Print(s);
  s := 'abc'; Insert('XY', @s, 0); Insert('-', @s, 100); Print(s);
  s := Null; Insert('x', @s, 1); Print(s);
end;
// expect: adef
// expect: abcdef
// expect: ab
// expect: abXYc
// expect: XYabc-
// expect: x

// case: Delete needs a variable
begin
  Delete('abc', 1, 1);
end;
// expect error: Variable reference expected

// case: Chr and Ord turn bytes into one-character texts and back
begin
  Print(Ord('A'), Ord(Chr(255)), Ord(Chr(0)), Chr(65) + Chr(66), Ord('xyz'), Ord(5));
end;
// expect: 65 255 0 AB 120 53

// case: Chr refuses a number that is not a byte
begin
  Chr(256);
end;
// expect error: Range check error

// case: Ord of an empty text has no byte
begin
  Ord('');
end;
// expect error: Ord of an empty text

// case: SplitString cuts at any of the delimiters and keeps the empty pieces
var parts;
begin
  parts := SplitString('a,b;;c', ',;');
  Print(VarToStrEx(parts), VarToStrEx(SplitString('', ',')), VarToStrEx(SplitString('a,b', '')), VarToStrEx(SplitString(',', ',')));
end;
// expect: [a, b, , c] [] [a,b] [, ]

// case: JoinStrings writes the elements as text between the separators
begin
  Print(JoinStrings(VarArrayOf('a', 1, Null, True), '|'), '[' + JoinStrings(VarArrayCreate(-1), ',') + ']', JoinStrings(SplitString('1 2 3', ' '), '+'));
end;
// expect: a|1||True [] 1+2+3

// case: JoinStrings needs an array
begin
  JoinStrings('abc', ',');
end;
// expect error: Variant is not an array
