begin
  Print(FileSearch('a.txt', ''), FileSearch('c.txt', 'none;sub'), '[' + FileSearch('c.txt', 'none') + ']', FileSearch('c.txt', GetCurrentDir + '/sub/') = GetCurrentDir + '/sub/c.txt');
end;

