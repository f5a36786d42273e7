procedure P;
var i;
begin
  i := 0;
  while i < 2 do i := i + 1;
end;
