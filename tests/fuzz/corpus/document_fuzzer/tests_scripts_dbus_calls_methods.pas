// case: integers and strings go in and come back
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(t.Add(2, 3), t.Join(VarArrayOf('a', 'b', 'c'), '-'), VarToStrEx(t.Split('x,y', ',')));
end;
// expect: 5 a-b-c [x, y]

// case: every basic type takes its argument converted
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(t.Describe(255, -32768, 65535, -2147483647, 65535 * 65537, -50000 * 100000, 50000 * 100000, 1, 2.5, 7, '/a/b', 'a{sv}'));
end;
// expect: y=255 n=-32768 q=65535 i=-2147483647 u=4294967295 x=-5000000000 t=5000000000 b=true d=2.5 s=7 o=/a/b g=a{sv}

// case: numbers are rounded half to even and strings read as numbers
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(t.Add(2.5, 0), t.Add('3.5', 0.25), t.Sum(VarArrayOf(1, 2.5, '3')), t.Add(True, 0));
end;
// expect: 2 4 6.5 -1

// case: several output arguments come back as an array, in order and by width
var w;
begin
  w := CreateOleObject('org.zendrik.Test').Widths;
  Print(VarToStrEx(w));
end;
// expect: [255, -300, 65535, -70000, 4000000000, -5000000000, 9.00719925474099E15, True, 2.5, grüß, /org/zendrik/Test, a{sv}]

// case: a method without output arguments gives Unassigned
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Nothing;
  Print(t.Nothing);
end;
// expect: Unassigned

// case: a variable passed by reference passes its value
var t, x;
begin
  t := CreateOleObject('org.zendrik.Test');
  x := 40;
  Print(t.Add(@x, 2), x);
end;
// expect: 42 40

// case: the argument count must be the method's
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Add(1);
end;
// expect error: org.zendrik.Test.Add of org.zendrik.Test:/org/zendrik/Test takes 2 arguments (ii), not 1

// case: a method is not a property
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Add := 1;
end;
// expect error: org.zendrik.Test.Add of org.zendrik.Test:/org/zendrik/Test is a method: it cannot be assigned

// case: automation objects have no indexed members
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(t.Tags[0]);
end;
// expect error: Method not found. Method: Tags
