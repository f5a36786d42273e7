begin
  FileSetAttr('a.txt');
end;

