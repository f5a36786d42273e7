const C = 1;
begin
  a := @C
end;

