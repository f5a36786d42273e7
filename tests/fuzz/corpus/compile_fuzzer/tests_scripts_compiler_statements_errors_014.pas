begin
  if a then Else b
end;

