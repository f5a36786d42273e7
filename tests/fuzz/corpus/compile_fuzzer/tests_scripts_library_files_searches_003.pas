var F;
begin
  F := 'old';
  Print(FindFirst('*.zzz', faAnyFile, @F) <> 0, VarToStrEx(F));
  FindClose(@F);
  Print(VarToStrEx(F));
  Print(FindFirst('missing/*', faAnyFile, @F) = 2);
end;

