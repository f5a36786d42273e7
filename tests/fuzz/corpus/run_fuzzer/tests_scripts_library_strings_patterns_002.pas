begin
  RegExFind('abc', '(b)', 2);
end;

