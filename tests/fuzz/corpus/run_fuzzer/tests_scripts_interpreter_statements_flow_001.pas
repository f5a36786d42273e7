procedure P;
var x;
begin
  x := 5;
end;

