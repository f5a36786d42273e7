begin
  Print(Twice(21));
end;

