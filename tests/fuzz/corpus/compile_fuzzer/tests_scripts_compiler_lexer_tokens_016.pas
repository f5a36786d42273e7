begin
  a := €
end;
