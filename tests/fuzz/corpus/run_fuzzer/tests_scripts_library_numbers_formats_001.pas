begin
  Format('%d%d%d%d%d', 1, 2, 3, 4, 5);
end;

