// case: precedence and short circuits
var a, b, c;
begin
  a := a + b * c;
  a := a or b;
  a := a and b;
  a := -2 * a;
  a := a < b < c;
  a := not a = b;
  a := a xor b;
  a := - - a;
  a := +a
end;
// expect listing:
//    0  0  BEGIN 0 of 3
//    1  3  Result <- VAR 0
//    2  3  PUSH RESULT
//    3  3  Result <- VAR 1
//    4  3  PUSH RESULT
//    5  3  Result <- VAR 2
//    6  3  MUL
//    7  3  PLUS
//    8  3  Result -> VAR 0
//    9  4  Result <- VAR 0
//   10  4  JUMP IF RESULT TO 14
//   11  4  PUSH RESULT
//   12  4  Result <- VAR 1
//   13  4  OR
//   14  4  Result -> VAR 0
//   15  5  Result <- VAR 0
//   16  5  JUMP IF NOT RESULT TO 20
//   17  5  PUSH RESULT
//   18  5  Result <- VAR 1
//   19  5  AND
//   20  5  Result -> VAR 0
//   21  6  Result <- INT 2
//   22  6  UMINUS
//   23  6  PUSH RESULT
//   24  6  Result <- VAR 0
//   25  6  MUL
//   26  6  Result -> VAR 0
//   27  7  Result <- VAR 0
//   28  7  PUSH RESULT
//   29  7  Result <- VAR 1
//   30  7  LESS THEN
//   31  7  PUSH RESULT
//   32  7  Result <- VAR 2
//   33  7  LESS THEN
//   34  7  Result -> VAR 0
//   35  8  Result <- VAR 0
//   36  8  NOT
//   37  8  PUSH RESULT
//   38  8  Result <- VAR 1
//   39  8  EQUAL
//   40  8  Result -> VAR 0
//   41  9  Result <- VAR 0
//   42  9  PUSH RESULT
//   43  9  Result <- VAR 1
//   44  9  XOR
//   45  9  Result -> VAR 0
//   46 10  Result <- VAR 0
//   47 10  UMINUS
//   48 10  UMINUS
//   49 10  Result -> VAR 0
//   50 11  Result <- VAR 0
//   51 11  UPLUS
//   52 11  Result -> VAR 0
//   53 11  EXIT

// case: literals
var a;
begin
  a := 'it''s' { joined } 'x' #$41
    'y' '';
  a := 1.5 + 1. + $1F + 07 + $FFFFFFFF;
  a := true;
  a := false;
  a := null;
  a := exception;
  a := (a)
end;
// expect listing:
//    0  0  BEGIN 0 of 1
//    1  3  Result <- STR it'sxAy
//    2  3  Result -> VAR 0
//    3  5  Result <- DOUBLE 1.50
//    4  5  PUSH RESULT
//    5  5  Result <- DOUBLE 1.00
//    6  5  PLUS
//    7  5  PUSH RESULT
//    8  5  Result <- INT 31
//    9  5  PLUS
//   10  5  PUSH RESULT
//   11  5  Result <- INT 7
//   12  5  PLUS
//   13  5  PUSH RESULT
//   14  5  Result <- INT -1
//   15  5  PLUS
//   16  5  Result -> VAR 0
//   17  6  Result <- BOOL True
//   18  6  Result -> VAR 0
//   19  7  Result <- BOOL False
//   20  7  Result -> VAR 0
//   21  8  Result <- NULL
//   22  8  Result -> VAR 0
//   23  9  Result := Exception
//   24  9  Result -> VAR 0
//   25 10  Result <- VAR 0
//   26 10  Result -> VAR 0
//   27 10  EXIT

// case: expression ends at a token that continues nothing
begin
  a := 1 b
end;
// expect error 1002: Error compiling . Syntax Error at line 2, pos 10

// case: lower-case hexadecimal digits are not digits
begin
  a := $ff
end;
// expect error 1002: Error compiling . Syntax Error at line 2, pos 10
