var f, g, names;
begin
  FindFirst('*.txt', 0, @f);
  g := f;
  FindFirst('*.pas', 0, @f);
  names := f.Name + ' ' + g.Name;
  FindFirst('*.pas', 0, @f);
  Print(names, FindNext(@g), FindNext(@f));
  FindClose(@g);
  FindClose(@f);
end;
