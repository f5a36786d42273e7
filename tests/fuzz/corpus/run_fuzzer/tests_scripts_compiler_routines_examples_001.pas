procedure P(a, b: Integer);
var x: Integer;
const C = 'c' 'd'; D = 1.25; E = true; F = null; G = 7;
var y;
begin
  y := C + D + E + F + G
end;
//    0  0  BEGIN 2 of 9
//    1  6  Result <- VAR 3
//    2  6  PUSH RESULT
//    3  6  Result <- VAR 4
//    4  6  PLUS
//    5  6  PUSH RESULT
//    6  6  Result <- VAR 5
//    7  6  PLUS
//    8  6  PUSH RESULT
//    9  6  Result <- VAR 6
//   10  6  PLUS
//   11  6  PUSH RESULT
//   12  6  Result <- VAR 7
//   13  6  PLUS
//   14  6  Result -> VAR 8
//   15  6  EXIT

