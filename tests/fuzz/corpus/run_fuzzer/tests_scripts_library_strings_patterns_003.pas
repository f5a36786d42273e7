var links;
begin
  links := RegExFindAll('<a href="a.html">A</a> <a href="b.html">B</a>', 'href="([^"]*)"', 1);
  Print(VarToStrEx(links), VarToStrEx(RegExFindAll('abc', 'x', 0)), VarToStrEx(RegExFindAll('a1b22', '\d*', 0)));
end;

