begin
  try
    raise 1
  except
    goto done
  end;
  done: Log(2)
end;
//    0  0  BEGIN 0 of 0
//    1  3  TRY 6
//    2  3  Result <- INT 1
//    3  3  RAISE (Result)
//    4  3  END TRY
//    5  3  JUMP 11
//    6  5  JUMP 9
//    7  5  CLEAR Exception
//    8  5  JUMP 11
//    9  5  CLEAR Exception
//   10  5  JUMP 11
//   11  7  Result <- INT 2
//   12  7  PUSH RESULT
//   13  7  Result <- METHOD Log (1 params)
//   14  7  EXIT

