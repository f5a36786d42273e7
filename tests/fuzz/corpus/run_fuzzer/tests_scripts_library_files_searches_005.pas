var F;
begin
  F := 5;
  FindNext(@F);
end;

