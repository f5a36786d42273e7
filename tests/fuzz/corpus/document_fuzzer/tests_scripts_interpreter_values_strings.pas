// case: reading one character of a string variable
var s;
begin
  s := 'abc';
  Print(s[2]);
end;
// expect: b

// case: writing an element stores only the first character of the value
var s, t;
begin
  s := 'abc';
  t := s;
  s[1] := 'xyz';
  s[3] := 5;
  Print(s, t);
end;
// expect: xb5 abc

// case: an index outside the string is refused
var s;
begin
  s := 'abc';
  Print(s[4]);
end;
// expect error: String index 4 out of range

// case: writing outside the string is refused
var s;
begin
  s := '';
  s[1] := 'x';
end;
// expect error: String index 1 out of range

// case: appending in a loop builds the whole string
var s, i;
begin
  s := '';
  for i := 1 to 5 do s := s + 'x';
  for i := 1 to 3 do s := s + '.' + 'y';
  Print(s);
end;
// expect: xxxxx.y.y.y

// case: appending to a string another variable shares leaves that one alone
var s, t, i;
begin
  s := 'a';
  for i := 1 to 3 do
  begin
    t := s;
    s := s + 'b';
  end;
  s := s + s;
  Print(s, t);
end;
// expect: abbbabbb abb

// case: indexing a number is refused
var n;
begin
  n := 5;
  Print(n[1]);
end;
// expect error: Variable is not an array

// case: two indices are refused
var s;
begin
  s := 'abc';
  Print(s[1, 2]);
end;
// expect error: Multidimensional arrays are not supported
