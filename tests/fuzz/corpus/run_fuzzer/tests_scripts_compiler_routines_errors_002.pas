const C = -1;
begin
end;

