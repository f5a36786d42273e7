// case: a final end with a point ends the script as end with a semicolon does
var x;
begin
  x := 1
end.
// expect listing:
//    0  0  BEGIN 0 of 1
//    1  3  Result <- INT 1
//    2  3  Result -> VAR 0
//    3  3  EXIT

// case: a function ending with end and a point returns its result
function F(a);
begin
  Result := a
end.
anything after it
// expect listing:
//    0  0  BEGIN 1 of 2
//    1  3  Result <- VAR 0
//    2  3  Result -> VAR 1
//    3  3  Result <- VAR 1
//    4  3  EXIT

// case: an unterminated string after the final point still fails
begin
end. 'abc
// expect error 1006: Error compiling . Unterminated string at line 2, pos 6

// case: a point inside the block is no end
begin
  x.
end;
// expect error 1002: Error compiling . Syntax Error at line 3, pos 1
