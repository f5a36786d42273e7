begin
  a := 1 
end;
