begin
	a	:=	1
end;
//    0  0  BEGIN 0 of 0
//    1  2  Result <- INT 1
//    2  2  Result -> PROP a (0 params)
//    3  2  EXIT

