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

