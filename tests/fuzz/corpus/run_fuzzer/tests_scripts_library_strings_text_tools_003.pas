begin
  Delete('abc', 1, 1);
end;

