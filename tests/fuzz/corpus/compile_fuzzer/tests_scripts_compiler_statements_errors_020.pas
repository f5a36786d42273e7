begin
  if a b
end;

