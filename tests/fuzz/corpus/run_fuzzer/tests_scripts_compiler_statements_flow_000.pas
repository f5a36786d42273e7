procedure P(a);
begin
  try
    a := 1
  finally
    Log(a)
  end;
  try
    raise 'x'
  except
    raise exception
  end
end;
//    0  0  BEGIN 1 of 1
//    1  4  TRY 9
//    2  4  Result <- INT 1
//    3  4  Result -> VAR 0
//    4  4  END TRY
//    5  6  Result <- VAR 0
//    6  6  PUSH RESULT
//    7  6  Result <- METHOD Log (1 params)
//    8  6  JUMP 13
//    9  6  Result <- VAR 0
//   10  6  PUSH RESULT
//   11  6  Result <- METHOD Log (1 params)
//   12  6  RAISE (Exception)
//   13  9  TRY 18
//   14  9  Result <- STR x
//   15  9  RAISE (Result)
//   16  9  END TRY
//   17  9  JUMP 21
//   18 11  Result := Exception
//   19 11  RAISE (Result)
//   20 11  CLEAR Exception
//   21 11  EXIT

