begin
  Print(ExtractRelativePath('/a/b/c.txt', '/a/d/e.txt'), ExtractRelativePath('/a/b/', '/a/b/c/d.txt'), ExtractRelativePath('/a/b/c.txt', '/x/y.txt'));
end;

