begin
  FileAge('none.txt');
end;

