var F, code, names;
begin
  names := '';
  code := FindFirst('*', faDirectory + faHidden, @F);
  while code = 0 do
  begin
    names := names + F.Name + '(' + IntToStr(F.Attr) + ') ';
    code := FindNext(@F);
  end;
  FindClose(@F);
  Print(names);
end;

