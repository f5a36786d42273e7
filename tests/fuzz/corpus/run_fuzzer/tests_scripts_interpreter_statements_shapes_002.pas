var i, n;
begin
  while n < 3 do i := 1;
end;

