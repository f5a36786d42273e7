begin
  Print(Caption(1));
end;

