var F;
begin
  F := Self;
  FindClose(@F);
end;

