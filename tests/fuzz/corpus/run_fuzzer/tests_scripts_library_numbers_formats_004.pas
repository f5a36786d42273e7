begin
  Format('%z', 1);
end;

