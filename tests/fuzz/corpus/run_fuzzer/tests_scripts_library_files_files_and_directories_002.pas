begin
  Print(FileSetAttr('a.txt', faReadOnly), FileGetAttr('a.txt') mod 2, FileSetAttr('a.txt', 0), FileGetAttr('a.txt'));
  Print(FileSetAttr('none', 0) <> 0);
end;

