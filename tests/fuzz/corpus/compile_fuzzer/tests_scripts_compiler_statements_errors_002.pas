procedure Calc;
begin
  goto L
end;

