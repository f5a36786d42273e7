procedure P();
begin
end;

