VAR a;
BeGiN
  IF a ThEn a := TRUE
END;
//    0  0  BEGIN 0 of 1
//    1  3  Result <- VAR 0
//    2  3  JUMP IF NOT RESULT TO 5
//    3  3  Result <- BOOL True
//    4  3  Result -> VAR 0
//    5  3  EXIT

