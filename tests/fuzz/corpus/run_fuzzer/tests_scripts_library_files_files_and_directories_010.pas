begin
  FileAge('a.txt'#0);
end;
