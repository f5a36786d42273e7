begin
  Print(not 0, not 1);
end;

