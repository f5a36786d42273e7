begin
  Print(DayOfWeek(0), DayOfWeek(1), DayOfWeek(-1), DayOfWeek(EncodeDate(2024, 3, 5)));
end;

