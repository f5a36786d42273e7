var x;
begin
x:=12;x:=x+1
end;
//    0  0  BEGIN 0 of 1
//    1  3  Result <- INT 12
//    2  3  Result -> VAR 0
//    3  3  Result <- VAR 0
//    4  3  PUSH RESULT
//    5  3  Result <- INT 1
//    6  3  PLUS
//    7  3  Result -> VAR 0
//    8  3  EXIT

