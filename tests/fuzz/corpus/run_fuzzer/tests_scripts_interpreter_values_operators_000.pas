begin
  Print(7 div 2, -7 mod 2, 7 / 2, 2147483647 + 1);
end;

