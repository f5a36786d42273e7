var k;
begin
  for k := 1 do
end;

