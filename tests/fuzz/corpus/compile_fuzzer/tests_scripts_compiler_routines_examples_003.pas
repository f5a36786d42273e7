procedure;
begin
end;
//    0  0  BEGIN 0 of 0
//    1  3  EXIT

