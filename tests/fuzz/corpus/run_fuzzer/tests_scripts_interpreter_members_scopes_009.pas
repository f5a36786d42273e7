begin
  Caption := 'c';
  Print(Invoke(21, 'Twice'), Self.Invoke('Caption'));
end;

