begin
  a := 1.2.3
end;

