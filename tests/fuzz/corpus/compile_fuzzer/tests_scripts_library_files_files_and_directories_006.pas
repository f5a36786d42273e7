var home;
begin
  home := GetCurrentDir;
  Print(CreateDir('new'), CreateDir('new'), SetCurrentDir('new'), ExtractFileName(GetCurrentDir));
  Print(SetCurrentDir('..'), GetCurrentDir = home, RemoveDir('new'), RemoveDir('sub'), SetCurrentDir('none'));
end;

