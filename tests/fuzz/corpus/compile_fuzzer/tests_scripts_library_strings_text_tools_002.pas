var s;
begin
  s := 'abcdef'; Delete(@s, 2, 2); Print(s);
  s := 'abcdef'; Delete(@s, 0, 2); Delete(@s, 7, 1); Delete(@s, 1, 0); Delete(@s, 1, -1); Print(s);
  s := 'abcdef'; Delete(@s, 3, 2147483647); Print(s);
  s := 'abc'; Insert('XY', @s, 3); Print(s);
  s := 'abc'; Insert('XY', @s, 0); Insert('-', @s, 100); Print(s);
  s := Null; Insert('x', @s, 1); Print(s);
end;

