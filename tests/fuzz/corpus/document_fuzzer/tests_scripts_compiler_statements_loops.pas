// case: while with a break
var c, x;
begin
  while c do begin x := 1; break end
end;
// expect listing:
//    0  0  BEGIN 0 of 2
//    1  3  Result <- VAR 0
//    2  3  JUMP IF NOT RESULT TO 7
//    3  3  Result <- INT 1
//    4  3  Result -> VAR 1
//    5  3  JUMP 7
//    6  3  JUMP 1
//    7  3  EXIT

// case: repeat with continue and if else
var c, x;
begin
  repeat
    if x then continue else x := 2
  until
    c
end;
// expect listing:
//    0  0  BEGIN 0 of 2
//    1  4  Result <- VAR 1
//    2  4  JUMP IF NOT RESULT TO 5
//    3  4  JUMP 1
//    4  4  JUMP 7
//    5  4  Result <- INT 2
//    6  4  Result -> VAR 1
//    7  7  Result <- VAR 0
//    8  7  JUMP IF NOT RESULT TO 1
//    9  7  EXIT

// case: nested for loops bind break and continue to the inner loop
var x, i, j;
begin
  for i := 1 to 3 do
    for j := i downto 0 do
    begin
      if j then continue;
      break
    end;
  x
end;
// expect listing:
//    0  0  BEGIN 0 of 3
//    1  3  Result <- INT 1
//    2  3  Result -> VAR 1
//    3  3  Result <- VAR 1
//    4  3  PUSH RESULT
//    5  3  Result <- INT 3
//    6  3  LESS OR EQ.
//    7  3  JUMP IF NOT RESULT TO 23
//    8  4  Result <- VAR 1
//    9  4  Result -> VAR 2
//   10  4  Result <- VAR 2
//   11  4  PUSH RESULT
//   12  4  Result <- INT 0
//   13  4  GR.OR EQ.
//   14  4  JUMP IF NOT RESULT TO 21
//   15  6  Result <- VAR 2
//   16  6  JUMP IF NOT RESULT TO 18
//   17  6  JUMP 19
//   18  8  JUMP 21
//   19  8  DEC 2
//   20  8  JUMP 10
//   21  8  INC 1
//   22  8  JUMP 3
//   23 10  Result <- VAR 0
//   24 10  EXIT

// case: for loop on one line
procedure P(n);
var i;
begin
  for i := 1 to n do Show(i)
end;
// expect listing:
//    0  0  BEGIN 1 of 2
//    1  4  Result <- INT 1
//    2  4  Result -> VAR 1
//    3  4  Result <- VAR 1
//    4  4  PUSH RESULT
//    5  4  Result <- VAR 0
//    6  4  LESS OR EQ.
//    7  4  JUMP IF NOT RESULT TO 13
//    8  4  Result <- VAR 1
//    9  4  PUSH RESULT
//   10  4  Result <- METHOD Show (1 params)
//   11  4  INC 1
//   12  4  JUMP 3
//   13  4  EXIT

// case: loop variable may be a value parameter
procedure P(n);
begin
  for n := n downto 1 do ;
end;
// expect listing:
//    0  0  BEGIN 1 of 1
//    1  3  Result <- VAR 0
//    2  3  Result -> VAR 0
//    3  3  Result <- VAR 0
//    4  3  PUSH RESULT
//    5  3  Result <- INT 1
//    6  3  GR.OR EQ.
//    7  3  JUMP IF NOT RESULT TO 10
//    8  4  DEC 0
//    9  4  JUMP 3
//   10  4  EXIT

// case: continue in the outer loop after an inner loop
var i, j;
begin
  while i do
  begin
    while j do break;
    continue
  end
end;
// expect listing:
//    0  0  BEGIN 0 of 2
//    1  3  Result <- VAR 0
//    2  3  JUMP IF NOT RESULT TO 9
//    3  5  Result <- VAR 1
//    4  5  JUMP IF NOT RESULT TO 7
//    5  5  JUMP 7
//    6  5  JUMP 3
//    7  7  JUMP 1
//    8  7  JUMP 1
//    9  7  EXIT
