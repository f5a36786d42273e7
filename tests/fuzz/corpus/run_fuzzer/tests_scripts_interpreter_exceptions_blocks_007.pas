begin
  raise 'stopped here';
end;

