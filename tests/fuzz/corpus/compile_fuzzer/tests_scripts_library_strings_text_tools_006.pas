begin
  Ord('');
end;

