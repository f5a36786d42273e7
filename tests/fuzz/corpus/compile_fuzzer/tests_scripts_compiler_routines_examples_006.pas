begin
end;
this is never read ( [ 'but the first two tokens are
//    0  0  BEGIN 0 of 0
//    1  2  EXIT

