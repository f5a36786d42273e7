procedure P(var v);
begin
  for v := 1 to 2 do
end;

