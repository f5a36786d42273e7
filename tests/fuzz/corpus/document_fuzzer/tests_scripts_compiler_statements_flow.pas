// case: try finally and try except
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
// expect listing:
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

// case: empty try parts
begin
  try finally end;
  try except end
end;
// expect listing:
//    0  0  BEGIN 0 of 0
//    1  2  TRY 4
//    2  2  END TRY
//    3  2  JUMP 5
//    4  2  RAISE (Exception)
//    5  3  TRY 8
//    6  3  END TRY
//    7  3  JUMP 9
//    8  4  CLEAR Exception
//    9  4  EXIT

// case: exit in a function returns result
function Calc(a);
begin
  if a then exit;
  Calc := 5;
  calc := 6;
  Result := 7
end;
// expect listing:
//    0  0  BEGIN 1 of 2
//    1  3  Result <- VAR 0
//    2  3  JUMP IF NOT RESULT TO 5
//    3  3  Result <- VAR 1
//    4  3  EXIT
//    5  4  Result <- INT 5
//    6  4  Result -> VAR 1
//    7  5  Result <- INT 6
//    8  5  Result -> PROP calc (0 params)
//    9  6  Result <- INT 7
//   10  6  Result -> VAR 1
//   11  6  Result <- VAR 1
//   12  6  EXIT

// case: exit in a procedure
procedure P;
begin
  exit;
  P := 1
end;
// expect listing:
//    0  0  BEGIN 0 of 0
//    1  3  EXIT
//    2  4  Result <- INT 1
//    3  4  Result -> PROP P (0 params)
//    4  4  EXIT

// case: goto and labels in any case
var a;
begin
  goto Done;
  again: a := 2;
  GOTO AGAIN;
  done:
end;
// expect listing:
//    0  0  BEGIN 0 of 1
//    1  3  JUMP 5
//    2  4  Result <- INT 2
//    3  4  Result -> VAR 0
//    4  5  JUMP 2
//    5  7  EXIT

// case: label before a loop and goto out of it
var a;
begin
  top: while a do
    if a then goto TOP else goto Fin;
  FIN: a := 1
end;
// expect listing:
//    0  0  BEGIN 0 of 1
//    1  3  Result <- VAR 0
//    2  3  JUMP IF NOT RESULT TO 9
//    3  4  Result <- VAR 0
//    4  4  JUMP IF NOT RESULT TO 7
//    5  4  JUMP 1
//    6  4  JUMP 8
//    7  4  JUMP 9
//    8  4  JUMP 1
//    9  5  Result <- INT 1
//   10  5  Result -> VAR 0
//   11  5  EXIT

// case: statements of names alone
var a;
begin
  a;
  Beep;
  if a then Beep else a
end;
// expect listing:
//    0  0  BEGIN 0 of 1
//    1  3  Result <- VAR 0
//    2  4  Result <- METHOD Beep (0 params)
//    3  5  Result <- VAR 0
//    4  5  JUMP IF NOT RESULT TO 7
//    5  5  Result <- METHOD Beep (0 params)
//    6  5  JUMP 8
//    7  6  Result <- VAR 0
//    8  6  EXIT

// case: empty statements
begin
  ;;
  begin end;
  if a then ;
  repeat until a;
end;
// expect listing:
//    0  0  BEGIN 0 of 0
//    1  4  Result <- METHOD a (0 params)
//    2  4  JUMP IF NOT RESULT TO 3
//    3  5  Result <- METHOD a (0 params)
//    4  5  JUMP IF NOT RESULT TO 3
//    5  6  EXIT

// case: with is an ordinary name
var with;
begin
  WITH := With.x
end;
// expect listing:
//    0  0  BEGIN 0 of 1
//    1  3  Result <- VAR 0
//    2  3  PUSH RESULT
//    3  3  Result <- OBJ. METHOD x (0 params)
//    4  3  Result -> VAR 0
//    5  3  EXIT
