begin
  Print('a' + 1);
end;

