begin
  Print(ExtractFilePath('/a/b/c.txt'), ExtractFileDir('/a/b/c.txt'), ExtractFileName('/a/b/c.txt'), ExtractFileExt('/a/b/c.txt'));
  Print(ExtractFilePath('a\b\c.txt'), ExtractFileDir('/'), '[' + ExtractFileName('/a/b/') + ']', '[' + ExtractFileExt('/a.b/c') + ']');
end;

