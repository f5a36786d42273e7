begin
  Print(ExpandFileName('x/../y/./z') = GetCurrentDir + '/y/z', ExpandFileName('/a/b/../c'), ExpandFileName('/a//b/'), ExpandUNCFileName('/..'));
end;

