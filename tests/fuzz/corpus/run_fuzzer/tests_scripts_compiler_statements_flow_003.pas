procedure P;
begin
  exit;
  P := 1
end;
//    0  0  BEGIN 0 of 0
//    1  3  EXIT
//    2  4  Result <- INT 1
//    3  4  Result -> PROP P (0 params)
//    4  4  EXIT

