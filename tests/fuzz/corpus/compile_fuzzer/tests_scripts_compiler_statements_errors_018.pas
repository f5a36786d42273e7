begin
  a b
end;

