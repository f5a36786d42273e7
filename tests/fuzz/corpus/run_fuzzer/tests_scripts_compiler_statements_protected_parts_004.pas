begin
  try
    Log(1)
  finally
    try
      exit
    finally
      Log(2)
    end
  end
end;
//    0  0  BEGIN 0 of 0
//    1  3  TRY 23
//    2  3  Result <- INT 1
//    3  3  PUSH RESULT
//    4  3  Result <- METHOD Log (1 params)
//    5  3  END TRY
//    6  6  TRY 18
//    7  7  JUMP 13
//    8  7  END TRY
//    9  8  Result <- INT 2
//   10  8  PUSH RESULT
//   11  8  Result <- METHOD Log (1 params)
//   12  8  JUMP 22
//   13  7  END TRY
//   14  8  Result <- INT 2
//   15  8  PUSH RESULT
//   16  8  Result <- METHOD Log (1 params)
//   17  7  EXIT
//   18  8  Result <- INT 2
//   19  8  PUSH RESULT
//   20  8  Result <- METHOD Log (1 params)
//   21  8  RAISE (Exception)
//   22  8  JUMP 40
//   23  6  TRY 35
//   24  7  JUMP 30
//   25  7  END TRY
//   26  8  Result <- INT 2
//   27  8  PUSH RESULT
//   28  8  Result <- METHOD Log (1 params)
//   29  8  JUMP 39
//   30  7  END TRY
//   31  8  Result <- INT 2
//   32  8  PUSH RESULT
//   33  8  Result <- METHOD Log (1 params)
//   34  7  EXIT
//   35  8  Result <- INT 2
//   36  8  PUSH RESULT
//   37  8  Result <- METHOD Log (1 params)
//   38  8  RAISE (Exception)
//   39  8  RAISE (Exception)
//   40  8  EXIT

