// case: calls indexes and members
procedure P(var r);
var x, i;
const K = 3;
begin
  x := f(1, 2,);
  x := x(1);
  x := x[1, 2];
  x := r[i];
  x := arr[1];
  x := foo;
  x := K;
  x := obj.Items[i].Name;
  o.m(x).n;
  Show(x)
end;
// expect listing:
//    0  0  BEGIN 1 of 4
//    1  5  Result <- INT 1
//    2  5  PUSH RESULT
//    3  5  Result <- INT 2
//    4  5  PUSH RESULT
//    5  5  Result <- METHOD f (2 params)
//    6  5  Result -> VAR 1
//    7  6  Result <- INT 1
//    8  6  PUSH RESULT
//    9  6  Result <- METHOD x (1 params)
//   10  6  Result -> VAR 1
//   11  7  Result <- INT 1
//   12  7  PUSH RESULT
//   13  7  Result <- INT 2
//   14  7  PUSH RESULT
//   15  7  Result <- ARRAY 1 [2 params]
//   16  7  Result -> VAR 1
//   17  8  Result <- VAR 2
//   18  8  PUSH RESULT
//   19  8  Result <- ARRAY BY REF 0 [1 params]
//   20  8  Result -> VAR 1
//   21  9  Result <- INT 1
//   22  9  PUSH RESULT
//   23  9  Result <- ARRAY arr (1 params)
//   24  9  Result -> VAR 1
//   25 10  Result <- METHOD foo (0 params)
//   26 10  Result -> VAR 1
//   27 11  Result <- VAR 3
//   28 11  Result -> VAR 1
//   29 12  Result <- METHOD obj (0 params)
//   30 12  PUSH RESULT
//   31 12  Result <- VAR 2
//   32 12  PUSH RESULT
//   33 12  Result <- OBJ. ARRAY PROP. Items (1 params)
//   34 12  PUSH RESULT
//   35 12  Result <- OBJ. METHOD Name (0 params)
//   36 12  Result -> VAR 1
//   37 13  Result <- METHOD o (0 params)
//   38 13  PUSH RESULT
//   39 13  Result <- VAR 1
//   40 13  PUSH RESULT
//   41 13  Result <- OBJ. METHOD m (1 params)
//   42 13  PUSH RESULT
//   43 13  Result <- OBJ. METHOD n (0 params)
//   44 14  Result <- VAR 1
//   45 14  PUSH RESULT
//   46 14  Result <- METHOD Show (1 params)
//   47 14  EXIT

// case: indexed and member stores
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
// expect listing:
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

// case: addresses and references
procedure P(v; var r; out o; const k);
var a;
begin
  a := @a; a := @r; a := @o; a := @v;
  a := r; r := o; o := r; a := k
end;
// expect listing:
//    0  0  BEGIN 4 of 5
//    1  4  Result <- @VAR 4
//    2  4  Result -> VAR 4
//    3  4  Result <- VAR 1
//    4  4  Result -> VAR 4
//    5  4  Result <- VAR 2
//    6  4  Result -> VAR 4
//    7  4  Result <- @VAR 0
//    8  4  Result -> VAR 4
//    9  5  Result <- VAR BY REF 1
//   10  5  Result -> VAR 4
//   11  5  Result <- VAR BY REF 2
//   12  5  Result -> VAR BY REF 1
//   13  5  Result <- VAR BY REF 1
//   14  5  Result -> VAR BY REF 2
//   15  5  Result <- VAR 3
//   16  5  Result -> VAR 4
//   17  5  EXIT
