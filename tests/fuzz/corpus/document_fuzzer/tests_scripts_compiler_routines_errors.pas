// case: end without a semicolon
begin
end
// expect error 1002: Error compiling . Syntax Error at line 3, pos 1

// case: two variable groups after one var
var a;
  b;
begin
end;
// expect error 1002: Error compiling . Syntax Error at line 2, pos 1

// case: signed constant
const C = -1;
begin
end;
// expect error 1007: Error compiling . Constant expected at line 1, pos 11

// case: constant that is not a literal
const C = D;
begin
end;
// expect error 1007: Error compiling . Constant expected at line 1, pos 11

// case: empty parameter list
procedure P();
begin
end;
// expect error 1012: Error compiling P. Invalid parameter at line 1, pos 14

// case: return type after the parameters
function F(a): Integer;
begin
end;
// expect error 1002: Error compiling F. Syntax Error at line 1, pos 15

// case: result redeclared in a function
function F;
var result;
begin
end;
// expect error 1003: Error compiling F. Identifier redeclared: result at line 3, pos 1

// case: result may be declared in a procedure
procedure P;
var result;
begin
  result := 1
end;
// expect listing:
//    0  0  BEGIN 0 of 1
//    1  4  Result <- INT 1
//    2  4  Result -> VAR 0
//    3  4  EXIT

// case: name redeclared in another case
procedure P(a);
var A;
begin
end;
// expect error 1003: Error compiling P. Identifier redeclared: A at line 2, pos 7

// case: constant redeclared
const C = 1;
  c = 2;
begin
end;
// expect error 1003: Error compiling . Identifier redeclared: c at line 2, pos 9

// case: unterminated string after the final semicolon
begin
end; 'abc
// expect error 1006: Error compiling . Unterminated string at line 2, pos 6

// case: unclosed brace after the final semicolon
begin
end; { abc
// expect error 1004: Error compiling . Unexpected end of script at line 2, pos 6

// case: type name that is not an identifier
var a: 1;
begin
end;
// expect error 1002: Error compiling . Syntax Error at line 1, pos 8
