begin
  { abc
end;

