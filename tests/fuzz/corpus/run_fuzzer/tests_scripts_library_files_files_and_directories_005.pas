begin
  Print(RenameFile('a.txt', 'b.pas'), RenameFile('a.txt', 'sub/moved.txt'), FileExists('sub/moved.txt'));
  Print(DeleteFile('sub/moved.txt'), DeleteFile('sub/moved.txt'), DeleteFile('sub'));
end;

