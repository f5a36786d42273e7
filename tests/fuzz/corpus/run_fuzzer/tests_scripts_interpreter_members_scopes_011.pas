begin
  Invoke(1, 'Unknown');
end;

