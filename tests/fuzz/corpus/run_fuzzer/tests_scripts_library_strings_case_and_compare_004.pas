begin
  Print(UpperCase(12) + 'x', Trim(5));
end;

