begin
  EncodeDate(2001, 2, 29);
end;

