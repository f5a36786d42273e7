begin
  UpperCase(Null);
end;

