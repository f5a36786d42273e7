begin
  a := 'abc
end;

