function F(a): Integer;
begin
end;

