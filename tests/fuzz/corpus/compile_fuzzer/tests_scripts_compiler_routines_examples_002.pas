function F(in a; out b, c; var d; const e;);
begin
  b := a; d := e
end;
//    0  0  BEGIN 5 of 6
//    1  3  Result <- VAR 0
//    2  3  Result -> VAR BY REF 1
//    3  3  Result <- VAR 4
//    4  3  Result -> VAR BY REF 3
//    5  3  Result <- VAR 5
//    6  3  EXIT

