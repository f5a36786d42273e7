var F;
begin
  FindFirst('*.zzz', 0, @F);
  FindNext(@F);
end;

