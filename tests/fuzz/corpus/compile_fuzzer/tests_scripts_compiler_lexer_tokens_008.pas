begin
  a := 1.x
end;

