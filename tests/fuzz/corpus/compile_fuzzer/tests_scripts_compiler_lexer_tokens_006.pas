var _a;
begin
  _a := _b
end;
//    0  0  BEGIN 0 of 1
//    1  3  Result <- METHOD _b (0 params)
//    2  3  Result -> VAR 0
//    3  3  EXIT

