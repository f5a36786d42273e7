var x;
begin
  Print(x + 1);
end;

