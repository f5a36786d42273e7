// case: a number outside the type's range is refused before the call
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Describe(256, 0, 0, 0, 0, 0, 0, True, 0, '', '/', '');
end;
// expect error: Describe, argument 1: 256 does not fit D-Bus type y (byte): out of range

// case: unsigned types take no negative number
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Describe(0, 0, 0, 0, -1, 0, 0, True, 0, '', '/', '');
end;
// expect error: Describe, argument 5: -1 does not fit D-Bus type u (uint32): out of range

// case: object paths and signatures must be valid
var t, message;
begin
  t := CreateOleObject('org.zendrik.Test');
  try
    t.Describe(0, 0, 0, 0, 0, 0, 0, True, 0, '', 'a/b', '');
  except
    message := exception;
  end;
  Print(message);
  t.Describe(0, 0, 0, 0, 0, 0, 0, True, 0, '', '/', 'a{');
end;
// expect: Describe, argument 11: a/b does not fit D-Bus type o (object path): not a valid object path
// expect error: Describe, argument 12: a{ does not fit D-Bus type g (signature): not a valid signature

// case: a text that is no number is refused with the conversion error
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Add('many', 1);
end;
// expect error: Add, argument 1: Invalid variant type conversion

// case: Null is no text
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Join(Null, Null);
end;
// expect error: Join, argument 2: Invalid variant type conversion
