begin
  if null then Print('then');
end;

