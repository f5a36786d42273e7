const C = 1;
begin
  C[1] := 2
end;

