// case: integer division, remainder, real division and overflow to floating
begin
  Print(7 div 2, -7 mod 2, 7 / 2, 2147483647 + 1);
end;
// expect: 3 -1 3.5 2147483648

// case: strings with numbers add as numbers, strings with strings concatenate
begin
  Print('1' + 2, '1' + '2', '2' * '3');
end;
// expect: 3 12 6

// case: a string that is not a number fails to convert
begin
  Print('a' + 1);
end;
// expect error: Invalid variant type conversion

// case: a variable never assigned is an invalid operand
var x;
begin
  Print(x + 1);
end;
// expect error: Invalid variant operation

// case: null spreads through operators and compares below everything
begin
  Print(null + 1, null = null, 5 = null, null < 0);
end;
// expect: Null True False True

// case: booleans count as minus one and zero
begin
  Print(True + 1, True and 5, True and False, not True);
end;
// expect: 0 5 False False

// case: not of an integer is its bitwise complement
begin
  Print(not 0, not 1);
end;
// expect: -1 -2

// case: strings compare by byte value
begin
  Print('B' < 'a', 'abc' < 'abd', 'ab' < 'abc', 'b' > 'abc');
end;
// expect: True True True True

// case: division by zero
begin
  Print(1 div 0);
end;
// expect error: Division by zero

// case: real division by zero
begin
  Print(1 / 0);
end;
// expect error: Floating point division by zero

// case: a unary plus is not an instruction the engine runs
begin
  Print(+1);
end;
// expect error: Unsupported instruction

// case: a condition of integer one is false for if, since not 1 is minus two
begin
  if 1 then Print('then') else Print('else');
  if -1 then Print('then') else Print('else');
end;
// expect: else
// expect: then

// case: a null condition cannot be decided
begin
  if null then Print('then');
end;
// expect error: Invalid variant type conversion

// case: a number outside the 32-bit range has no integer: the conversion fails
begin
  try
    Print(('1' + 2147483647) xor 3);
  except
    Print(exception);
  end;
  Print((2147483647.4 + 0) xor 0, -2147483648.5 xor 0);
  Print((2147483647 + 1) div 2);
end;
// expect: Invalid variant type conversion
// expect: 2147483647 -2147483648
// expect error: Invalid variant type conversion
