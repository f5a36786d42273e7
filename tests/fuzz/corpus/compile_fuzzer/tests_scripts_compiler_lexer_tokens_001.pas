begin
  a := '''';
  a := ''
end;
//    0  0  BEGIN 0 of 0
//    1  2  Result <- STR '
//    2  2  Result -> PROP a (0 params)
//    3  3  Result <- STR 
//    4  3  Result -> PROP a (0 params)
//    5  3  EXIT

