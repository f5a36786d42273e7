begin
  CAPTION := 'x';
  print(caption, TWICE(2));
end;

