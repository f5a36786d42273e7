begin
  Print(FileExists('a.txt'), FileExists('sub'), FileExists('none.txt'));
end;

