begin
  Print(ExtractFileDrive('//server/share/dir/f.x'), ExtractFileDrive('\\server\share\f'), '[' + ExtractFileDrive('/a/b') + ']');
end;

