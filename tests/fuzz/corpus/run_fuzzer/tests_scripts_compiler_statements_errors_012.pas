begin
  f(1) := 2
end;

