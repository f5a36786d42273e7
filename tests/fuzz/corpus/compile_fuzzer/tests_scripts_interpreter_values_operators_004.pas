begin
  Print(null + 1, null = null, 5 = null, null < 0);
end;

