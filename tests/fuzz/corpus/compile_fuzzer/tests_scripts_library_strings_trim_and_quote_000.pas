begin
  Print('[' + Trim(#9'  a b '#13#10) + ']', '[' + TrimLeft('  a ') + ']', '[' + TrimRight('  a ') + ']');
end;

