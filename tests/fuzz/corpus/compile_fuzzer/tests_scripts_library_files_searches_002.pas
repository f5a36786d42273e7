var F;
begin
  Print(FindFirst('sub/?.txt', faAnyFile, @F), F.Name, F.Size, F.Time = FileAge('sub/c.txt'));
  FindClose(@F);
  Print(FindFirst('*.*', 0, @F), F.Name, F.Size);
  FindClose(@F);
end;

