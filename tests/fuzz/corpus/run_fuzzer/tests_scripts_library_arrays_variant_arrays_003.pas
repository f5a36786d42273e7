begin
  VarArrayRedim(5, 2);
end;

