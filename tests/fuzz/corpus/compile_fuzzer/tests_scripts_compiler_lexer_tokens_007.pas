begin
  a := 12e3
end;

