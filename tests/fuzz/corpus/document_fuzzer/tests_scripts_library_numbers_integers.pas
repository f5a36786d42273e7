// case: IntToHex pads with zeros and shows negatives in two's complement
begin
  Print(IntToHex(255, 4), IntToHex(-1, 2), IntToHex(0, 0), IntToHex(-1, 10), IntToStr(-42));
end;
// expect: 00FF FFFFFFFF 0 00FFFFFFFF -42

// case: StrToInt reads decimals, a dollar sign for hexadecimal, a sign and leading blanks
begin
  Print(StrToInt('$1F'), StrToInt('  -12'), StrToInt('+5'), StrToInt('-$1F'), StrToInt('$FFFFFFFF'), StrToInt('-2147483648'));
end;
// expect: 31 -12 5 -31 -1 -2147483648

// case: StrToIntDef gives the default for anything else
begin
  Print(StrToIntDef('12x', 7), StrToIntDef('12 ', 7), StrToIntDef('', 7), StrToIntDef('0x1F', 7), StrToIntDef('2147483648', 7), StrToIntDef('$100000000', 7));
end;
// expect: 7 7 7 7 7 7

// case: StrToInt fails with the text it could not read
begin
  StrToInt('12x');
end;
// expect error: '12x' is not a valid integer value

// case: Min and Max compare by the value rules and need two arguments
begin
  Print(Min(3, 1, 2), Max(3, 1, 2), Min('b', 'a'), Max(1.5, 2));
  Min(5);
end;
// expect: 1 3 a 2
// expect error: Not enough actual parameters

// case: Sin and Cos take radians
begin
  Print(Sin(0), Cos(0), Sin(3.14159265358979 / 2) > 0.999999, Cos('0'));
end;
// expect: 0 1 True 1

// case: IntToHex has the result limit of Format
begin
  Print(Length(IntToHex(1, 300)), IntToHex(-1, 0));
  IntToHex(1, 2147483647);
end;
// expect: 300 FFFFFFFF
// expect error: Format string too long
