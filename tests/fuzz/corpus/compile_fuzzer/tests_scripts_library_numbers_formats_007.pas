begin
  Print(StrToFloat(' 1.5e3 '), StrToFloat('.5'), StrToCurr('12.34'));
  StrToFloat('1,5');
end;

