var a;
  b;
begin
end;

