// case: a property of the host is read and written
begin
  Caption := 'first';
  Print(Caption);
end;
// expect: first

// case: a method of the host with its argument
begin
  Print(Twice(21));
end;
// expect: 42

// case: a method called with another number of arguments is refused
begin
  Twice(1, 2);
end;
// expect error: Unable to invoke method or property Twice in this manner

// case: a property given arguments is refused
begin
  Print(Caption(1));
end;
// expect error: Too many actual parameters

// case: a name nobody knows
begin
  Nope(1);
end;
// expect error: Method not found. Method: Nope

// case: a constant is read but not assigned
begin
  Print(Answer);
  Answer := 1;
end;
// expect: 42
// expect error: Unable to invoke method or property Answer in this manner

// case: names are found without regard to case
begin
  CAPTION := 'x';
  print(caption, TWICE(2));
end;
// expect: x 4

// case: Self is the host, reached by qualified names
begin
  Caption := 'me';
  Print(Self.Caption, Self.Twice(4));
end;
// expect: me 8

// case: Self cannot be assigned
begin
  Self := 1;
end;
// expect error: Unable to invoke method or property Self in this manner

// case: Invoke calls a member by its name with the other arguments
begin
  Caption := 'c';
  Print(Invoke(21, 'Twice'), Self.Invoke('Caption'));
end;
// expect: 42 c

// case: Invoke without arguments
begin
  Invoke;
end;
// expect error: Not enough actual parameters

// case: Invoke of an unknown member
begin
  Invoke(1, 'Unknown');
end;
// expect error: Method not found. Method: Unknown

// case: an indexed property passes its index to the default member
begin
  Items[3] := 'three';
  Print(Items[3], Items[0]);
end;
// expect: three Unassigned

// case: an object variable is indexed through its default member
var o;
begin
  o := Items;
  o[2] := 'two';
  Print(o[2], Items[2]);
end;
// expect: two two

// case: a string property is read by index but not written
begin
  Caption := 'abc';
  Print(Caption[2]);
  Caption[2] := 'x';
end;
// expect: b
// expect error: TTestHost.Caption cannot be references as an array

// case: a member of an integer
var x;
begin
  x := 5;
  x.Foo;
end;
// expect error: Method not found. Method: Foo

// case: indexing an object without a default member
var o;
begin
  o := Owned;
  Print(o[1]);
end;
// expect error: Variable is not an array

// case: a freed object is nil afterwards
var o;
begin
  o := NewHost;
  o.Caption := 'new';
  Print(o.Caption);
  o.Free;
  Print(o.Caption);
end;
// expect: new
// expect error: Error accessing a field or method Caption of nil object

// case: the host that owns the engine cannot be freed
begin
  Free;
end;
// expect error: Cannot free TTestHost: it owns the running script engine

// case: an object owned by another cannot be freed
begin
  Owned.Free;
end;
// expect error: Cannot free QObject: it is owned by another object

// case: a callback that pops more than it was given
var a;
begin
  PopMore(1);
end;
// expect error: Incorrect stack restoration after execute. SPRT = -1, saved_SPTR = 0.
