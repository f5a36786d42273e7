begin
  Caption := 'abc';
  Print(Caption[2]);
  Caption[2] := 'x';
end;

