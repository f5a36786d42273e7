const C = D;
begin
end;

