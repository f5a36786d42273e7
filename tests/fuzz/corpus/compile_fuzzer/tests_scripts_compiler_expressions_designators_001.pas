procedure P(var r);
var x, i;
begin
  x[1] := 2;
  r[1] := 2;
  p[1, i] := 2;
  o.p := 1;
  o.q[1] := 2;
  o.a.b[i, 1,] := 3
end;
//    0  0  BEGIN 1 of 3
//    1  4  Result <- INT 1
//    2  4  PUSH RESULT
//    3  4  Result <- INT 2
//    4  4  Result -> ARRAY 1 [1]
//    5  5  Result <- INT 1
//    6  5  PUSH RESULT
//    7  5  Result <- INT 2
//    8  5  Result -> ARRAY BY REF 0 [1]
//    9  6  Result <- INT 1
//   10  6  PUSH RESULT
//   11  6  Result <- VAR 2
//   12  6  PUSH RESULT
//   13  6  Result <- INT 2
//   14  6  Result -> PROP p [2 params]
//   15  7  Result <- METHOD o (0 params)
//   16  7  PUSH RESULT
//   17  7  Result <- INT 1
//   18  7  Result -> OBJ. PROP p (0 params)
//   19  8  Result <- METHOD o (0 params)
//   20  8  PUSH RESULT
//   21  8  Result <- INT 1
//   22  8  PUSH RESULT
//   23  8  Result <- INT 2
//   24  8  Result -> OBJ. PROP q [1 params]
//   25  9  Result <- METHOD o (0 params)
//   26  9  PUSH RESULT
//   27  9  Result <- OBJ. METHOD a (0 params)
//   28  9  PUSH RESULT
//   29  9  Result <- VAR 2
//   30  9  PUSH RESULT
//   31  9  Result <- INT 1
//   32  9  PUSH RESULT
//   33  9  Result <- INT 3
//   34  9  Result -> OBJ. PROP b [2 params]
//   35  9  EXIT

