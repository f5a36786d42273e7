var F;
begin
  FindFirst('*', 0, F);
end;

