begin
  if x := 1 then
end;

