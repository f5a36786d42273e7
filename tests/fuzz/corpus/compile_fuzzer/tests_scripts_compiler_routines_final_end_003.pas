begin
  x.
end;
