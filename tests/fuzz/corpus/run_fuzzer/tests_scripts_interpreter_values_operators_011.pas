begin
  if 1 then Print('then') else Print('else');
  if -1 then Print('then') else Print('else');
end;

