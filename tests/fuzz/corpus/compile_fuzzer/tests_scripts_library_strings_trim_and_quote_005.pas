begin
  Print(IsValidIdent('_a1'), IsValidIdent('1a'), IsValidIdent('a.b'), IsValidIdent(''), IsValidIdent('Zz9'));
end;

