// case: x := x + 1 on numbers that are not integers follows the general rules
var x, y, z;
begin
  x := 1.5;
  x := x + 1;
  y := '7';
  y := y * 2;
  z := 2147483647;
  z := z + 1;
  Print(x, y, z);
end;
// expect: 2.5 14 2147483648

// case: a loop over a limit that is not an integer
var i, n;
begin
  n := 0;
  i := 0.5;
  while i < 3 do
  begin
    n := n + 1;
    i := i + 1;
  end;
  Print(n, i);
end;
// expect: 3 3.5

// case: a condition of an unassigned variable in a loop
var i, n;
begin
  while n < 3 do i := 1;
end;
// expect error: Invalid variant operation

// case: integer shapes with division by zero
var x, d;
begin
  x := 7;
  d := 0;
  x := x mod d;
end;
// expect error: Division by zero

// case: comparing two variables and branching
var a, b, c;
begin
  a := 3;
  b := 4;
  c := 'x';
  if a < b then Print('less');
  if a = b then Print('equal') else Print('not equal');
  if c = 'x' then Print('string');
  if a <> c then Print('never');
end;
// expect: less
// expect: not equal
// expect: string
// expect error: Invalid variant type conversion

// case: a for loop past the largest integer continues in floating point
var i, n;
begin
  n := 0;
  for i := 2147483646 to 2147483647 do n := n + 1;
  Print(n, i);
end;
// expect: 2 2147483648

// case: the result register holds the last comparison when a loop ends
procedure P;
var i;
begin
  i := 0;
  while i < 2 do i := i + 1;
end;
// expect value: False
