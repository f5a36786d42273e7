begin
  Invoke;
end;

