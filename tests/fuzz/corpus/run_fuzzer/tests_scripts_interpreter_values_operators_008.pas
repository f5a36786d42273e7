begin
  Print(1 div 0);
end;

