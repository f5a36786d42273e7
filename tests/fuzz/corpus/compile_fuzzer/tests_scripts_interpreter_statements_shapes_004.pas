var a, b, c;
begin
  a := 3;
  b := 4;
  c := 'x';
  if a < b then Print('less');
  if a = b then Print('equal') else Print('not equal');
  if c = 'x' then Print('string');
  if a <> c then Print('never');
end;

