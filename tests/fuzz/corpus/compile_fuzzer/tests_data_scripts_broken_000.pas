procedure Calc;
begin
  goto Missing
end;
