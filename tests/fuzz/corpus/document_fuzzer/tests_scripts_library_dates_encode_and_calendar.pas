// case: EncodeDate counts days from 30 December 1899 and EncodeTime gives a fraction of a day
begin
  Print(FloatToStr(EncodeDate(2000, 1, 1)), FloatToStr(EncodeDate(1, 1, 1)), FloatToStr(EncodeDate(9999, 12, 31)), FloatToStr(EncodeTime(12, 0, 0, 0)));
end;
// expect: 36526 -693593 2958465 0.5

// case: an impossible date fails
begin
  EncodeDate(2001, 2, 29);
end;
// expect error: Invalid argument to date encode

// case: an impossible time fails
begin
  EncodeTime(24, 0, 0, 0);
end;
// expect error: Invalid argument to time encode

// case: leap years are divisible by 4 but not by 100, or by 400
begin
  Print(IsLeapYear(1900), IsLeapYear(2000), IsLeapYear(2024), IsLeapYear(2023));
end;
// expect: False True True False

// case: DayOfWeek counts from Sunday, and the date value 0 is a Saturday
begin
  Print(DayOfWeek(0), DayOfWeek(1), DayOfWeek(-1), DayOfWeek(EncodeDate(2024, 3, 5)));
end;
// expect: 7 1 6 3

// case: IncMonth keeps the time and reduces the day to the end of a shorter month
begin
  Print(FormatDateTime('yyyy-mm-dd', IncMonth(EncodeDate(2001, 1, 31), 1)));
  Print(FormatDateTime('yyyy-mm-dd', IncMonth(EncodeDate(2001, 1, 31), -2)));
  Print(FormatDateTime('yyyy-mm-dd hh:nn', IncMonth(EncodeDate(2000, 3, 31) + 0.5, -1)));
  Print(FormatDateTime('yyyy-mm-dd', IncMonth(EncodeDate(2001, 1, 31), -25)));
end;
// expect: 2001-02-28
// expect: 2000-11-30
// expect: 2000-02-29 12:00
// expect: 1998-12-31

// case: Date, Time and Now agree with each other
var d, t, n;
begin
  n := Now;
  d := Date;
  t := Time;
  Print(FormatDateTime('hh:nn:ss.zzz', d), t < 1, n - d < 1.0001, d <= n);
end;
// expect: 00:00:00.000 True True True
