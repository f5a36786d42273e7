var a;
begin
  a := 'it''s' { joined } 'x' #$41
    'y' '';
  a := 1.5 + 1. + $1F + 07 + $FFFFFFFF;
  a := true;
  a := false;
  a := null;
  a := exception;
  a := (a)
end;
//    0  0  BEGIN 0 of 1
//    1  3  Result <- STR it'sxAy
//    2  3  Result -> VAR 0
//    3  5  Result <- DOUBLE 1.50
//    4  5  PUSH RESULT
//    5  5  Result <- DOUBLE 1.00
//    6  5  PLUS
//    7  5  PUSH RESULT
//    8  5  Result <- INT 31
//    9  5  PLUS
//   10  5  PUSH RESULT
//   11  5  Result <- INT 7
//   12  5  PLUS
//   13  5  PUSH RESULT
//   14  5  Result <- INT -1
//   15  5  PLUS
//   16  5  Result -> VAR 0
//   17  6  Result <- BOOL True
//   18  6  Result -> VAR 0
//   19  7  Result <- BOOL False
//   20  7  Result -> VAR 0
//   21  8  Result <- NULL
//   22  8  Result -> VAR 0
//   23  9  Result := Exception
//   24  9  Result -> VAR 0
//   25 10  Result <- VAR 0
//   26 10  Result -> VAR 0
//   27 10  EXIT

