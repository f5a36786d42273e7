begin
  Caption := 'first';
  Print(Caption);
end;

