begin
  raise;
end;

