begin
  a := $ff
end;
