// case: a function returns its result variable
function Answer;
begin
  result := 6 * 7;
end;
// expect value: 42

// case: a procedure returns whatever the result register last held
procedure P;
var x;
begin
  x := 5;
end;
// expect value: 5

// case: exit in a function returns the current result
function F;
begin
  result := 1;
  exit;
  result := 2;
end;
// expect value: 1

// case: a for loop leaves its variable one past the limit
var i, s;
begin
  s := 0;
  for i := 1 to 10 do s := s + i;
  Print(s, i);
end;
// expect: 55 11

// case: downto counts down
var i, s;
begin
  s := 0;
  for i := 3 downto 1 do s := s * 10 + i;
  Print(s, i);
end;
// expect: 321 0

// case: while, repeat, break and continue
var i, n;
begin
  i := 0;
  n := 0;
  while i < 10 do
  begin
    i := i + 1;
    if i mod 2 = 0 then continue;
    if i > 7 then break;
    n := n + i;
  end;
  repeat
    n := n * 2;
  until n > 100;
  Print(i, n);
end;
// expect: 9 128

// case: goto jumps to a label
var i;
begin
  i := 0;
again:
  i := i + 1;
  if i < 3 then goto again;
  Print(i);
end;
// expect: 3

// case: a parameter that no caller passed lies below the frame
procedure P(a);
begin
  Print(a);
end;
// expect error: Stack underflow

// case: constants hold their values
const Greeting = 'hello'; Count = 3;
begin
  Print(Greeting, Count);
end;
// expect: hello 3

// case: the address of a variable reaches a native callback as a reference
var a, b;
begin
  a := 1;
  b := 'two';
  Swap(@a, @b);
  Print(a, b);
end;
// expect: two 1

// case: a value where a reference is expected is refused
var a;
begin
  a := 1;
  Swap(a, 2);
end;
// expect error: Variable reference expected
