begin
  try
    goto L;
    Log(1);
    L: Log(2)
  finally
    goto M;
    M: Log(3)
  end
end;
//    0  0  BEGIN 0 of 0
//    1  3  TRY 15
//    2  3  JUMP 6
//    3  4  Result <- INT 1
//    4  4  PUSH RESULT
//    5  4  Result <- METHOD Log (1 params)
//    6  5  Result <- INT 2
//    7  5  PUSH RESULT
//    8  5  Result <- METHOD Log (1 params)
//    9  5  END TRY
//   10  7  JUMP 11
//   11  8  Result <- INT 3
//   12  8  PUSH RESULT
//   13  8  Result <- METHOD Log (1 params)
//   14  8  JUMP 20
//   15  7  JUMP 16
//   16  8  Result <- INT 3
//   17  8  PUSH RESULT
//   18  8  Result <- METHOD Log (1 params)
//   19  8  RAISE (Exception)
//   20  8  EXIT

