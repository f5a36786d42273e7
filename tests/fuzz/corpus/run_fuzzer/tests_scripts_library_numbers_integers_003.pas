begin
  StrToInt('12x');
end;

