var äx;
begin
  äX := 1;
  Äx := 2
end;
//    0  0  BEGIN 0 of 1
//    1  3  Result <- INT 1
//    2  3  Result -> VAR 0
//    3  4  Result <- INT 2
//    4  4  Result -> PROP Äx (0 params)
//    5  4  EXIT

