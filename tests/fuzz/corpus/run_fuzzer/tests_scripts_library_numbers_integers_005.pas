begin
  Print(Sin(0), Cos(0), Sin(3.14159265358979 / 2) > 0.999999, Cos('0'));
end;

