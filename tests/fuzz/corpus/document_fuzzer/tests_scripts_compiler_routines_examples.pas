// case: function Twice
function Twice(a);
var x;
begin
  x := a * 2;
  Result := x
end;
// expect listing:
//    0  0  BEGIN 1 of 3
//    1  4  Result <- VAR 0
//    2  4  PUSH RESULT
//    3  4  Result <- INT 2
//    4  4  MUL
//    5  4  Result -> VAR 1
//    6  5  Result <- VAR 1
//    7  5  Result -> VAR 2
//    8  5  Result <- VAR 2
//    9  5  EXIT

// case: slot order of parameters and sections
procedure P(a, b: Integer);
var x: Integer;
const C = 'c' 'd'; D = 1.25; E = true; F = null; G = 7;
var y;
begin
  y := C + D + E + F + G
end;
// expect listing:
//    0  0  BEGIN 2 of 9
//    1  6  Result <- VAR 3
//    2  6  PUSH RESULT
//    3  6  Result <- VAR 4
//    4  6  PLUS
//    5  6  PUSH RESULT
//    6  6  Result <- VAR 5
//    7  6  PLUS
//    8  6  PUSH RESULT
//    9  6  Result <- VAR 6
//   10  6  PLUS
//   11  6  PUSH RESULT
//   12  6  Result <- VAR 7
//   13  6  PLUS
//   14  6  Result -> VAR 8
//   15  6  EXIT

// case: parameter groups with modifiers
function F(in a; out b, c; var d; const e;);
begin
  b := a; d := e
end;
// expect listing:
//    0  0  BEGIN 5 of 6
//    1  3  Result <- VAR 0
//    2  3  Result -> VAR BY REF 1
//    3  3  Result <- VAR 4
//    4  3  Result -> VAR BY REF 3
//    5  3  Result <- VAR 5
//    6  3  EXIT

// case: header without a name
procedure;
begin
end;
// expect listing:
//    0  0  BEGIN 0 of 0
//    1  3  EXIT

// case: no header
var a;
begin
  a := 1
end;
// expect listing:
//    0  0  BEGIN 0 of 1
//    1  3  Result <- INT 1
//    2  3  Result -> VAR 0
//    3  3  EXIT

// case: empty body
procedure P;
begin
end;
// expect listing:
//    0  0  BEGIN 0 of 0
//    1  3  EXIT

// case: anything after the final semicolon
begin
end;
this is never read ( [ 'but the first two tokens are
// expect listing:
//    0  0  BEGIN 0 of 0
//    1  2  EXIT

// case: comment at the very end
begin
end; (* unterminated
// expect listing:
//    0  0  BEGIN 0 of 0
//    1  2  EXIT
