begin
  try a end
end;

