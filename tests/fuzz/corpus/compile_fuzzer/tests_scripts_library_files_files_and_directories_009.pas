var n, f;
begin
  n := 'a.txt'#0'.bak';
  Print(FileExists(n), DeleteFile(n), RenameFile(n, 'moved.txt'), RenameFile('a.txt', 'b'#0'.txt'), FileExists('a.txt'), FileExists('b'));
  Print(FileGetAttr(n), FileSetAttr(n, faReadOnly) <> 0, FileGetAttr('a.txt'));
  Print('[' + FileSearch(n, '') + ']', '[' + FileSearch('c.txt', 'sub'#0'x;none') + ']', '[' + ExtractShortPathName(n) + ']');
  Print(CreateDir('new'#0'x'), SetCurrentDir('new'), SetCurrentDir('sub'#0'x'), ExtractFileName(GetCurrentDir) <> 'sub');
  Print(CreateDir('empty'), RemoveDir('empty'#0'x'), RemoveDir('empty'));
  Print(FindFirst('sub'#0'/*.*', faAnyFile, @f) <> 0, VarToStrEx(f), FindFirst('*.txt'#0'x', faAnyFile, @f) <> 0);
end;

