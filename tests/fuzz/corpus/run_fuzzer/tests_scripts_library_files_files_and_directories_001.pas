begin
  Print(FileGetAttr('a.txt'), FileGetAttr('sub'), FileGetAttr('.hidden'), FileGetAttr('none'), FileGetAttr('/dev/null'));
end;

