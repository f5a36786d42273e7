function Twice(a);
var x;
begin
  x := a * 2;
  Result := x
end;
//    0  0  BEGIN 1 of 3
//    1  4  Result <- VAR 0
//    2  4  PUSH RESULT
//    3  4  Result <- INT 2
//    4  4  MUL
//    5  4  Result -> VAR 1
//    6  5  Result <- VAR 1
//    7  5  Result -> VAR 2
//    8  5  Result <- VAR 2
//    9  5  EXIT

