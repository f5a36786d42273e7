var F;
begin
  FindFirst('a.txt', 0, @F);
  F.Name := 'x';
end;

