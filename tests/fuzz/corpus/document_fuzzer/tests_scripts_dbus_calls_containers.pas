// case: Null is an empty array or dictionary
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print('[' + t.Join(Null, '-') + ']', t.Lookup(Null, 'k'), '[' + t.Roster(Null) + ']');
end;
// expect: [] (none) []

// case: a dictionary takes names and values in turn or as pairs
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(t.Lookup(VarArrayOf('a', 1, 'b', 'two'), 'b'), t.Lookup(VarArrayOf(VarArrayOf('a', 1), VarArrayOf('b', True)), 'b'));
  Print(t.Total(VarArrayOf('a', 2, 'b', 3)));
end;
// expect: two True
// expect: 5

// case: a dictionary comes back as names and values in turn
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(VarToStrEx(t.Settings), VarToStrEx(t.Tally(VarArrayOf('x', 'y', 'x'))));
end;
// expect: [count, 3, name, zendrik, on, True] [x, 2, y, 1]

// case: a dictionary needs an even count
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Lookup(VarArrayOf('a', 1, 'b'), 'b');
end;
// expect error: Lookup, argument 1: [a, 1, b] does not fit D-Bus type a{sv} (dictionary): it takes names and values in turn, an even count

// case: structures are arrays with one element per field, also inside arrays
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(t.Where(VarArrayOf(3, 4)), VarToStrEx(t.Middle(VarArrayOf(0, 0), VarArrayOf(4, 6))));
  Print(t.Roster(VarArrayOf(VarArrayOf('a', 1), VarArrayOf('b', 2))), t.Trace(VarArrayOf(VarArrayOf(1, 2), VarArrayOf(3, 4))));
end;
// expect: (3, 4) [2, 3]
// expect: a:1,b:2 5

// case: a structure with the wrong number of fields is refused
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Where(VarArrayOf(3));
end;
// expect error: Where, argument 1: [3] does not fit D-Bus type (ii) (structure): it takes an array with one element per field

// case: bytes go as a string or an array of numbers and come back as a string
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(t.Reverse('abc'), t.Reverse(VarArrayOf(97, 98)), '[' + t.Reverse('') + ']');
end;
// expect: cba ba []

// case: a text is no array
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Join('abc', '-');
end;
// expect error: Join, argument 1: abc does not fit D-Bus type as (array): it takes a variant array or Null

// case: a variant takes its type from the value's kind
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(t.TypeOf(1), t.TypeOf('x'), t.TypeOf(True), t.TypeOf(1.5), t.TypeOf(VarArrayOf(1, 'a')), t.TypeOf(t));
  Print(VarToStrEx(t.Echo(VarArrayOf(1, 'a', VarArrayOf(True, 2.5)))), t.Echo(t));
end;
// expect: i s b d av o
// expect: [1, a, [True, 2.5]] /org/zendrik/Test

// case: Null has no D-Bus value
var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  t.Echo(Null);
end;
// expect error: Echo, argument 1: Null does not fit D-Bus type v (variant): D-Bus has no value of its kind
