procedure P;
var result;
begin
  result := 1
end;
//    0  0  BEGIN 0 of 1
//    1  4  Result <- INT 1
//    2  4  Result -> VAR 0
//    3  4  EXIT

