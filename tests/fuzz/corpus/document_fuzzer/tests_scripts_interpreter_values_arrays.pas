// case: array elements are read and written by index
var a;
begin
  a := MakeArray(3);
  a[1] := 'x';
  a[2] := 7;
  Print(a[1], a[2] + 1, a[0], a);
end;
// expect: x 8 Unassigned [Unassigned, x, 7]

// case: an index outside the bounds is refused
var a;
begin
  a := MakeArray(2);
  a[2] := 1;
end;
// expect error: Variant array index out of bounds

// case: assigning an array copies it
var a, b;
begin
  a := MakeArray(1);
  b := a;
  b[0] := 'changed';
  Print(a, b);
end;
// expect: [Unassigned] [changed]

// case: an array where a number is needed
var a;
begin
  a := MakeArray(1);
  Print(a + 1);
end;
// expect error: Invalid variant operation
