var s;
begin
  s := 'a';
  while Length(s) < 40 do s := s + s;
  s := s + 'b';
  try RegExFind(s, '(a+)+$', 0); except Print(exception); end;
  try RegExFindAll(s, '(a+)+$', 0); except Print(exception); end;
  try RegExReplace(s, '(a+)+$', ''); except Print(exception); end;
  RegExMatch(s, '(a+)+$');
end;

