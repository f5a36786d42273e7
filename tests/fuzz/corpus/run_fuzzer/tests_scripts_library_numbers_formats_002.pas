begin
  Format('%d %d', 1);
end;

