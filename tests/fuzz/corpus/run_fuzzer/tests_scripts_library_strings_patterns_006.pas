begin
  RegExMatch('abc', 'a(b');
end;

