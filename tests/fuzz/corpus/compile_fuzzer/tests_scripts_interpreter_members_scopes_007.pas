begin
  Caption := 'me';
  Print(Self.Caption, Self.Twice(4));
end;

