// case: break out of a finally block runs a copy of the finally part
var c;
begin
  while c do
    try
      break
    finally
      Log(1)
    end
end;
// expect listing:
//    0  0  BEGIN 0 of 1
//    1  3  Result <- VAR 0
//    2  3  JUMP IF NOT RESULT TO 20
//    3  5  TRY 15
//    4  6  JUMP 10
//    5  6  END TRY
//    6  7  Result <- INT 1
//    7  7  PUSH RESULT
//    8  7  Result <- METHOD Log (1 params)
//    9  7  JUMP 19
//   10  6  END TRY
//   11  7  Result <- INT 1
//   12  7  PUSH RESULT
//   13  7  Result <- METHOD Log (1 params)
//   14  6  JUMP 20
//   15  7  Result <- INT 1
//   16  7  PUSH RESULT
//   17  7  Result <- METHOD Log (1 params)
//   18  7  RAISE (Exception)
//   19  7  JUMP 1
//   20  7  EXIT

// case: exit from a try body closes the block and ends the function
function F(a);
begin
  try
    if a then exit;
    result := 2
  except
    result := 3
  end
end;
// expect listing:
//    0  0  BEGIN 1 of 2
//    1  4  TRY 12
//    2  4  Result <- VAR 0
//    3  4  JUMP IF NOT RESULT TO 5
//    4  4  JUMP 9
//    5  5  Result <- INT 2
//    6  5  Result -> VAR 1
//    7  5  END TRY
//    8  5  JUMP 15
//    9  4  END TRY
//   10  4  Result <- VAR 1
//   11  4  EXIT
//   12  7  Result <- INT 3
//   13  7  Result -> VAR 1
//   14  7  CLEAR Exception
//   15  7  Result <- VAR 1
//   16  7  EXIT

// case: goto out of an except part ends the handled exception
begin
  try
    raise 1
  except
    goto done
  end;
  done: Log(2)
end;
// expect listing:
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

// case: continue out of two blocks closes both, innermost first
var i;
begin
  for i := 1 to 2 do
    try
      try
        continue
      except
      end
    finally
      Log(i)
    end
end;
// expect listing:
//    0  0  BEGIN 0 of 1
//    1  3  Result <- INT 1
//    2  3  Result -> VAR 0
//    3  3  Result <- VAR 0
//    4  3  PUSH RESULT
//    5  3  Result <- INT 2
//    6  3  LESS OR EQ.
//    7  3  JUMP IF NOT RESULT TO 32
//    8  5  TRY 26
//    9  6  TRY 15
//   10  7  JUMP 13
//   11  7  END TRY
//   12  7  JUMP 16
//   13  7  END TRY
//   14  7  JUMP 21
//   15  9  CLEAR Exception
//   16  9  END TRY
//   17 10  Result <- VAR 0
//   18 10  PUSH RESULT
//   19 10  Result <- METHOD Log (1 params)
//   20 10  JUMP 30
//   21  7  END TRY
//   22 10  Result <- VAR 0
//   23 10  PUSH RESULT
//   24 10  Result <- METHOD Log (1 params)
//   25  7  JUMP 30
//   26 10  Result <- VAR 0
//   27 10  PUSH RESULT
//   28 10  Result <- METHOD Log (1 params)
//   29 10  RAISE (Exception)
//   30 10  INC 0
//   31 10  JUMP 3
//   32 10  EXIT

// case: exit inside a finally part inside a finally part
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
// expect listing:
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

// case: gotos inside one part stay inside each copy of it
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
// expect listing:
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

// case: goto into a try body from before it
begin
  goto inside;
  try
    inside: Log(1)
  except
  end
end;
// expect error 1020: Error compiling . Goto into a try statement: INSIDE at line 5, pos 1

// case: goto into a try body from after it
begin
  try
    again: Log(1)
  finally
  end;
  goto again
end;
// expect error 1020: Error compiling . Goto into a try statement: AGAIN at line 6, pos 8

// case: goto from a try body into its except part
begin
  try
    goto handler
  except
    handler: Log(1)
  end
end;
// expect error 1020: Error compiling . Goto into a try statement: HANDLER at line 6, pos 1

// case: a label of a try part cannot be declared again after it
begin
  try
    L: Log(1)
  except
  end;
  L: Log(2)
end;
// expect error 1008: Error compiling . Label redeclared: L at line 6, pos 5

