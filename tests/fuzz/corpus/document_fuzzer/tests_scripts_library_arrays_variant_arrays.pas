// case: VarArrayCreate makes N + 1 Unassigned elements from index 0
var a;
begin
  a := VarArrayCreate(2);
  a[2] := 'last';
  Print(a);
end;
// expect: [Unassigned, Unassigned, last]

// case: VarArrayOf holds its arguments from index 0
var a;
begin
  a := VarArrayOf('x', 'y');
  Print(a[0], a[1], VarToStrEx(a));
end;
// expect: x y [x, y]

// case: VarArrayRedim copies the array with a new high bound and leaves the original alone
var a, b;
begin
  a := VarArrayOf(1, 2, 3);
  b := VarArrayRedim(a, 2);
  Print(b, a, VarArrayRedim(a, 5));
end;
// expect: [1, 2] [1, 2, 3] [1, 2, 3, Unassigned, Unassigned]

// case: VarArrayRedim of a value that is not an array fails
begin
  VarArrayRedim(5, 2);
end;
// expect error: Variant is not an array

// case: VarToStr gives the plain text and VarToStrEx the display text
var nothing;
begin
  Print('[' + VarToStr(Null) + ']', VarToStr(1.5), VarToStrEx(Null), VarToStrEx(nothing));
end;
// expect: [] 1.5 Null Unassigned

// case: Length counts the characters of the plain text
begin
  Print(Length(Null), Length(12345), Length('abc'), Length(''));
end;
// expect: 0 5 3 0

// case: SetLength cuts or extends the variable's text with blanks
var s, t;
begin
  s := 'abcdef';
  SetLength(@s, 3);
  t := 42;
  SetLength(@t, 4);
  Print(s, '[' + t + ']');
end;
// expect: abc [42  ]

// case: SetLength of an expression that is not a variable reference fails before reading it
var s;
begin
  s := 'abc';
  SetLength(s, 1);
end;
// expect error: Variable reference expected

// case: write of an array fails with the conversion error
begin
  write(VarArrayOf(1));
end;
// expect error: Invalid variant type conversion

// case: writeln needs an argument
begin
  writeln;
end;
// expect error: Not enough actual parameters

// case: VarArrayLowBound and VarArrayHighBound give the bounds of a dimension, to walk an array
var a, i, total;
begin
  a := SplitString('3,4,5', ',');
  total := 0;
  for i := VarArrayLowBound(a, 1) to VarArrayHighBound(a, 1) do total := total + a[i];
  Print(total, VarArrayLowBound(a, 1), VarArrayHighBound(VarArrayCreate(-1), 1), VarArrayHighBound(RegExFindAll('', 'x', 0), 1));
  VarArrayHighBound(a, 2);
end;
// expect: 12 0 -1 -1
// expect error: Variant array index out of bounds

// case: the bounds of what is not an array
begin
  VarArrayLowBound('abc', 1);
end;
// expect error: Variant is not an array
