// case: properties read and write through the properties interface
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(t.Counter, t.Name, t.Version);
  t.Counter := 41;
  t.counter := t.Counter + 1;
  t.Name := 12;
  t.Tags := VarArrayOf('a', 'b');
  Print(t.Counter, t.Name, VarToStrEx(t.Tags));
end;
// expect: 0 initial 1.0
// expect: 42 12 [a, b]

// case: the properties interface's own methods can be called
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(VarToStrEx(t.GetAll('org.zendrik.Test')), t.Get('org.zendrik.Test', 'Version'));
end;
// expect: [Counter, 0, Name, initial, Tags, [], Version, 1.0] 1.0

// case: a read-only property refuses a value with the service's error
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Version := '2';
end;
// expect error: org.freedesktop.DBus.Error.PropertyReadOnly: Property org.zendrik.Test.Version is read-only

// case: a value that does not fit the property's type is refused before the call
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Counter := 'many';
end;
// expect error: Counter: Invalid variant type conversion

// case: a property takes no arguments
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Counter(1);
end;
// expect error: org.zendrik.Test.Counter of org.zendrik.Test:/org/zendrik/Test is a property: it takes no arguments
