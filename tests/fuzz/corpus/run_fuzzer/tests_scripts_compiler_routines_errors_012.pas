var a: 1;
begin
end;
