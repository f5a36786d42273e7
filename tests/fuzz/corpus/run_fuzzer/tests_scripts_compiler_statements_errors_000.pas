begin
  break
end;

