begin
  Nope(1);
end;

