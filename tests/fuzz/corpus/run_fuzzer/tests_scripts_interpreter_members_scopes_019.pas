begin
  Owned.Free;
end;

