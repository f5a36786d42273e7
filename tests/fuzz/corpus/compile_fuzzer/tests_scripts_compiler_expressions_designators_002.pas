procedure P(v; var r; out o; const k);
var a;
begin
  a := @a; a := @r; a := @o; a := @v;
  a := r; r := o; o := r; a := k
end;
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
