begin
  VarArrayLowBound('abc', 1);
end;
