// case: tokens without blanks
var x;
begin
x:=12;x:=x+1
end;
// expect listing:
//    0  0  BEGIN 0 of 1
//    1  3  Result <- INT 12
//    2  3  Result -> VAR 0
//    3  3  Result <- VAR 0
//    4  3  PUSH RESULT
//    5  3  Result <- INT 1
//    6  3  PLUS
//    7  3  Result -> VAR 0
//    8  3  EXIT

// case: quotes in string literals
begin
  a := '''';
  a := ''
end;
// expect listing:
//    0  0  BEGIN 0 of 0
//    1  2  Result <- STR '
//    2  2  Result -> PROP a (0 params)
//    3  3  Result <- STR 
//    4  3  Result -> PROP a (0 params)
//    5  3  EXIT

// case: character codes
begin
  a := #65#$42#300'x' #$7E
end;
// expect listing:
//    0  0  BEGIN 0 of 0
//    1  2  Result <- STR AB,x~
//    2  2  Result -> PROP a (0 params)
//    3  2  EXIT

// case: lower-case hexadecimal digits in a character code
begin
  a := #$0d
end;
// expect error 1002: Error compiling . Syntax Error at line 2, pos 12

// case: reserved words in any case
VAR a;
BeGiN
  IF a ThEn a := TRUE
END;
// expect listing:
//    0  0  BEGIN 0 of 1
//    1  3  Result <- VAR 0
//    2  3  JUMP IF NOT RESULT TO 5
//    3  3  Result <- BOOL True
//    4  3  Result -> VAR 0
//    5  3  EXIT

// case: comments of three kinds
begin
  { brace (* not a block }
  (* block ** ends here *) a := 1; // line comment
  (* { *) a := 2
end;
// expect listing:
//    0  0  BEGIN 0 of 0
//    1  3  Result <- INT 1
//    2  3  Result -> PROP a (0 params)
//    3  4  Result <- INT 2
//    4  4  Result -> PROP a (0 params)
//    5  4  EXIT

// case: underscore followed by letters is a name
var _a;
begin
  _a := _b
end;
// expect listing:
//    0  0  BEGIN 0 of 1
//    1  3  Result <- METHOD _b (0 params)
//    2  3  Result -> VAR 0
//    3  3  EXIT

// case: exponent is not part of a number
begin
  a := 12e3
end;
// expect error 1002: Error compiling . Syntax Error at line 2, pos 11

// case: a number cannot be followed by a member
begin
  a := 1.x
end;
// expect error 1002: Error compiling . Syntax Error at line 2, pos 11

// case: two dots in a number
begin
  a := 1.2.3
end;
// expect error 1005: Error compiling . Invalid number format: 1.2.3 at line 2, pos 8

// case: unterminated string
begin
  a := 'abc
end;
// expect error 1006: Error compiling . Unterminated string at line 2, pos 8

// case: tab inside a string
begin
  a := 'a	b'
end;
// expect error 1006: Error compiling . Unterminated string at line 2, pos 8

// case: tab between tokens
begin
	a	:=	1
end;
// expect listing:
//    0  0  BEGIN 0 of 0
//    1  2  Result <- INT 1
//    2  2  Result -> PROP a (0 params)
//    3  2  EXIT

// case: unclosed brace comment
begin
  { abc
end;
// expect error 1004: Error compiling . Unexpected end of script at line 2, pos 1

// case: unclosed block comment
begin
  (* abc
end;
// expect error 1002: Error compiling . Syntax Error: (* at line 2, pos 1

// case: letters above 191 belong to names and compare by ASCII case only
var äx;
begin
  äX := 1;
  Äx := 2
end;
// expect listing:
//    0  0  BEGIN 0 of 1
//    1  3  Result <- INT 1
//    2  3  Result -> VAR 0
//    3  4  Result <- INT 2
//    4  4  Result -> PROP Äx (0 params)
//    5  4  EXIT

// case: characters 128 to 191 are single tokens
begin
  a := €
end;
// expect error 1002: Error compiling . Syntax Error: € at line 2, pos 8
