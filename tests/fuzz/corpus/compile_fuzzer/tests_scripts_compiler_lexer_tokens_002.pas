begin
  a := #65#$42#300'x' #$7E
end;
//    0  0  BEGIN 0 of 0
//    1  2  Result <- STR AB,x~
//    2  2  Result -> PROP a (0 params)
//    3  2  EXIT

