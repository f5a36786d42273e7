begin
  if a then b; else c
end;

