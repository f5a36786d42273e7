var F, code, names;
begin
  names := '';
  code := FindFirst('*', 0, @F);
  while code = 0 do
  begin
    names := names + F.Name + ' ';
    code := FindNext(@F);
  end;
  FindClose(@F);
  Print(names, code <> 0, VarToStrEx(F));
end;

