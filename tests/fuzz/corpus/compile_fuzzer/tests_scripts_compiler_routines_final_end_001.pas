function F(a);
begin
  Result := a
end.
anything after it
//    0  0  BEGIN 1 of 2
//    1  3  Result <- VAR 0
//    2  3  Result -> VAR 1
//    3  3  Result <- VAR 1
//    4  3  EXIT

