var a;
begin
  PopMore(1);
end;
