var F;
begin
  Print(FindFirst('*.txt', 0, @F), F.Name);
  F.Free;
  Print(F.Name);
end;

