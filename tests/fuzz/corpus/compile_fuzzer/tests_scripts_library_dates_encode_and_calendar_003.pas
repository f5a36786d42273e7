begin
  Print(IsLeapYear(1900), IsLeapYear(2000), IsLeapYear(2024), IsLeapYear(2023));
end;

