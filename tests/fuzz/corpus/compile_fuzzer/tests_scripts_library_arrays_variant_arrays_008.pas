begin
  write(VarArrayOf(1));
end;

