begin
end; (* unterminated
//    0  0  BEGIN 0 of 0
//    1  2  EXIT
