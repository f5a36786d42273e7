begin
  L: ;
  l: ;
end;

