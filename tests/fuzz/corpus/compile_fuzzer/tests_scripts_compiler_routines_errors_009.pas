const C = 1;
  c = 2;
begin
end;

