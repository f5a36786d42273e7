begin
  a := 'a	b'
end;

