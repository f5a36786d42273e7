begin
  Print(1 / 0);
end;

