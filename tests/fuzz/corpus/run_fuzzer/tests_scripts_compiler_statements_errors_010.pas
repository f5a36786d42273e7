begin
  f()
end;

