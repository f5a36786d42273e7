var s;
begin
  s := '';
  s[1] := 'x';
end;

