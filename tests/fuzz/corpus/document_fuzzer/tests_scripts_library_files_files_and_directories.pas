// case: FileExists counts files, not directories
begin
  Print(FileExists('a.txt'), FileExists('sub'), FileExists('none.txt'));
end;
// expect: True False False

// case: FileGetAttr maps the Unix facts to attribute bits
begin
  Print(FileGetAttr('a.txt'), FileGetAttr('sub'), FileGetAttr('.hidden'), FileGetAttr('none'), FileGetAttr('/dev/null'));
end;
// expect: 32 48 34 -1 36

// case: FileSetAttr with faReadOnly takes the write permission away and gives it back
begin
  Print(FileSetAttr('a.txt', faReadOnly), FileGetAttr('a.txt') mod 2, FileSetAttr('a.txt', 0), FileGetAttr('a.txt'));
  Print(FileSetAttr('none', 0) <> 0);
end;
// expect: 0 1 0 32
// expect: True

// case: FileSetAttr needs two arguments
begin
  FileSetAttr('a.txt');
end;
// expect error: Unable to invoke method or property FileSetAttr in this manner

// case: FileAge of a missing file fails
begin
  FileAge('none.txt');
end;
// expect error: Invalid argument to date encode

// case: RenameFile moves a file but never over another, DeleteFile removes it
begin
  Print(RenameFile('a.txt', 'b.pas'), RenameFile('a.txt', 'sub/moved.txt'), FileExists('sub/moved.txt'));
  Print(DeleteFile('sub/moved.txt'), DeleteFile('sub/moved.txt'), DeleteFile('sub'));
end;
// expect: False True True
// expect: True False False

// case: directories are made, entered and removed
var home;
begin
  home := GetCurrentDir;
  Print(CreateDir('new'), CreateDir('new'), SetCurrentDir('new'), ExtractFileName(GetCurrentDir));
  Print(SetCurrentDir('..'), GetCurrentDir = home, RemoveDir('new'), RemoveDir('sub'), SetCurrentDir('none'));
end;
// expect: True False True new
// expect: True True True False False

// case: FileSearch looks in the current directory, then in the listed ones
begin
  Print(FileSearch('a.txt', ''), FileSearch('c.txt', 'none;sub'), '[' + FileSearch('c.txt', 'none') + ']', FileSearch('c.txt', GetCurrentDir + '/sub/') = GetCurrentDir + '/sub/c.txt');
end;
// expect: a.txt sub/c.txt [] True

// case: ExtractShortPathName gives an existing path itself and nothing for a missing one
begin
  Print(ExtractShortPathName('sub/c.txt'), '[' + ExtractShortPathName('none') + ']');
end;
// expect: sub/c.txt []

// case: a name with a NUL byte names no file, whatever stands before the NUL
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
// expect: False False False False True False
// expect: -1 True 32
// expect: [] [] []
// expect: False False False True
// expect: True False True
// expect: True nil object True

// case: FileAge of a name with a NUL byte has no time
begin
  FileAge('a.txt'#0);
end;
// expect error: Invalid argument to date encode
