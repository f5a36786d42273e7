var x;
begin
  x := 5;
  x.Foo;
end;

