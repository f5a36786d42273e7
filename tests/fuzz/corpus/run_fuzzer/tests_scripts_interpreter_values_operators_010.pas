begin
  Print(+1);
end;

