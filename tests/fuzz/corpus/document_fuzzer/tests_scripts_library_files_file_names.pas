// case: file names split at slashes and backslashes
begin
  Print(ExtractFilePath('/a/b/c.txt'), ExtractFileDir('/a/b/c.txt'), ExtractFileName('/a/b/c.txt'), ExtractFileExt('/a/b/c.txt'));
  Print(ExtractFilePath('a\b\c.txt'), ExtractFileDir('/'), '[' + ExtractFileName('/a/b/') + ']', '[' + ExtractFileExt('/a.b/c') + ']');
end;
// expect: /a/b/ /a/b c.txt .txt
// expect: a\b\ / [] []

// case: a name that starts with a dot has no extension, and ChangeFileExt appends one
begin
  Print('[' + ExtractFileExt('.bashrc') + ']', ChangeFileExt('.bashrc', '.bak'), ChangeFileExt('x.tar.gz', '.zip'), ChangeFileExt('readme', '.txt'));
end;
// expect: [] .bashrc.bak x.tar.zip readme.txt

// case: the drive of a network name is the server and share
begin
  Print(ExtractFileDrive('//server/share/dir/f.x'), ExtractFileDrive('\\server\share\f'), '[' + ExtractFileDrive('/a/b') + ']');
end;
// expect: //server/share \\server\share []

// case: trailing delimiters
begin
  Print(IncludeTrailingBackslash('/a'), IncludeTrailingBackslash('/a/'), ExcludeTrailingBackslash('/a/'), '[' + ExcludeTrailingBackslash('/') + ']');
  Print(IsPathDelimiter('/a', 1), IsPathDelimiter('\a', 1), IsPathDelimiter('/a', 2), IsPathDelimiter('/a', 3));
end;
// expect: /a/ /a/ /a []
// expect: True True False False

// case: ExpandFileName resolves against the current directory
begin
  Print(ExpandFileName('x/../y/./z') = GetCurrentDir + '/y/z', ExpandFileName('/a/b/../c'), ExpandFileName('/a//b/'), ExpandUNCFileName('/..'));
end;
// expect: True /a/c /a/b/ /

// case: ExtractRelativePath climbs with .. steps
begin
  Print(ExtractRelativePath('/a/b/c.txt', '/a/d/e.txt'), ExtractRelativePath('/a/b/', '/a/b/c/d.txt'), ExtractRelativePath('/a/b/c.txt', '/x/y.txt'));
end;
// expect: ../d/e.txt c/d.txt ../../x/y.txt

// case: file names change case by the locale and compare as the file system does
begin
  Print(AnsiUpperCaseFileName('abc.txt'), AnsiLowerCaseFileName('ABC.TXT'), AnsiCompareFileName('abc', 'abc'), AnsiCompareFileName('abc', 'ABC') <> 0);
end;
// expect: ABC.TXT abc.txt 0 True
