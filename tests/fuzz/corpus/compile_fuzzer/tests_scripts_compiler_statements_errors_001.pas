begin
  while a do ;
  continue
end;

