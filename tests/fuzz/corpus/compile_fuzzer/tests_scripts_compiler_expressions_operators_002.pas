begin
  a := 1 b
end;

