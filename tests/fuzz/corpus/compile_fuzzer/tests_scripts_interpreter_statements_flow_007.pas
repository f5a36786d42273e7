procedure P(a);
begin
  Print(a);
end;

