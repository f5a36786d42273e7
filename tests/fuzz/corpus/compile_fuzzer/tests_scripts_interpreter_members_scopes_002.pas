begin
  Twice(1, 2);
end;

