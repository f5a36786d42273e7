// case: names match without regard to case when only one matches
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(t.ADD(1, 2), t.counter, t.Mode, t.MODE);
end;
// expect: 3 0 Mode MODE

// case: a name that matches two members in different case is ambiguous
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.mode;
end;
// expect error: Ambiguous name: mode matches org.zendrik.Test.Mode and org.zendrik.Test.MODE of org.zendrik.Test:/org/zendrik/Test; write the name in its exact case or name the interface (BUS_NAME:/object/path:interface)

// case: a name of two interfaces is ambiguous until the interface is named
var message;
begin
  try
    CreateOleObject('org.zendrik.Test').Hello;
  except
    message := exception;
  end;
  Print(message);
  Print(CreateOleObject('org.zendrik.Test:/org/zendrik/Test:org.zendrik.Other').hello);
  Print(CreateOleObject('org.zendrik.Test:/org/zendrik/Test:org.zendrik.Test').Hello);
end;
// expect: Ambiguous name: Hello matches org.zendrik.Other.Hello and org.zendrik.Test.Hello of org.zendrik.Test:/org/zendrik/Test; name the interface (BUS_NAME:/object/path:interface)
// expect: other
// expect: test

// case: a named interface hides the members of the others
begin
  CreateOleObject('org.zendrik.Test:/org/zendrik/Test:org.zendrik.Other').Add(1, 2);
end;
// expect error: Unknown name: Add is no method or property of org.zendrik.Test:/org/zendrik/Test:org.zendrik.Other

// case: an unknown member
begin
  CreateOleObject('org.zendrik.Test').Nope;
end;
// expect error: Unknown name: Nope is no method or property of org.zendrik.Test:/org/zendrik/Test

// case: an interface the object lacks
begin
  CreateOleObject('org.zendrik.Test:/org/zendrik/Test:org.zendrik.Missing');
end;
// expect error: org.zendrik.Test: the object at /org/zendrik/Test has no interface org.zendrik.Missing

// case: a path where the service has no object
begin
  CreateOleObject('org.zendrik.Test:/org/zendrik/Nothing');
end;
// expect error: org.freedesktop.DBus.Error.UnknownObject: No such object path '/org/zendrik/Nothing'

// case: a name that is no bus name
begin
  CreateOleObject('Excel.Application 2');
end;
// expect error: 'Excel.Application 2' names no D-Bus object: the bus name is not valid (write BUS_NAME, BUS_NAME:/object/path or BUS_NAME:/object/path:interface, after system: for the system bus)
