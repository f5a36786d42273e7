function Twice(a);
var x;
begin
  x := a * 2;
  Result := x
end;
