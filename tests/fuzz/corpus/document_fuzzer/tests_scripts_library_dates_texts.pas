// case: FormatDateTime writes fields, names, separators and quoted text; m after h is the minute
var d;
begin
  d := EncodeDate(2024, 3, 5) + EncodeTime(13, 5, 9, 7);
  Print(FormatDateTime('yyyy-mm-dd hh:nn:ss.zzz', d));
  Print(FormatDateTime('d/m/yy h:n:s z', d));
  Print(FormatDateTime('ddd dddd mmm mmmm', d));
  Print(FormatDateTime('h:mm am/pm|hh:mm a/p|hh AM/PM|h ampm', d));
  Print(FormatDateTime('hh "o''clock" ''quoted'' mm', d));
end;
// expect: 2024-03-05 13:05:09.007
// expect: 5 3 24 13:5:9 7
// expect: Tue Tuesday Mar March
// expect: 1:05 pm|01:05 p|01 PM|1 PM
// expect: 13 o'clock quoted 05

// case: DateToStr, TimeToStr and DateTimeToStr use the locale's formats and leave out midnight
var d;
begin
  d := EncodeDate(2024, 3, 5);
  Print(DateToStr(d), '|', TimeToStr(d + 0.5), '|', DateTimeToStr(d), '|', DateTimeToStr(d + 0.75));
end;
// expect: 5 Mar 2024 | 12:00:00 | 5 Mar 2024 | 5 Mar 2024 18:00:00

// case: StrToDate, StrToTime and StrToDateTime read what the others write
var d;
begin
  d := EncodeDate(2024, 3, 5) + EncodeTime(13, 5, 9, 0);
  Print(StrToDate(DateToStr(d)) = EncodeDate(2024, 3, 5), StrToTime('13:05:09') = EncodeTime(13, 5, 9, 0));
  Print(StrToDateTime(DateTimeToStr(d)) = d, StrToTime('1:05 PM') = EncodeTime(13, 5, 0, 0));
end;
// expect: True True
// expect: True True

// case: a text that is not a date fails with it
begin
  StrToDate('31 Feb 2024');
end;
// expect error: '31 Feb 2024' is not a valid date

// case: a text that is not a time fails with it
begin
  StrToTime('25:00');
end;
// expect error: '25:00' is not a valid time

// case: a text that is not a date and time fails with it
begin
  StrToDateTime('5 Mar 2024 13:xx');
end;
// expect error: '5 Mar 2024 13:xx' is not a valid date and time

// case: a date as text cuts the milliseconds, as DateTimeToStr does, so it keeps its day
var d;
begin
  d := EncodeDate(2024, 12, 31) + EncodeTime(23, 59, 59, 999);
  Print(VarToStr(d), '|', DateTimeToStr(d), '|', VarToStrEx(VarArrayOf(d)));
  d := EncodeDate(2024, 12, 31) + EncodeTime(23, 59, 59, 500);
  Print(VarToStr(d), '|', DateTimeToStr(d));
end;
// expect: 31 Dec 2024 23:59:59 | 31 Dec 2024 23:59:59 | [31 Dec 2024 23:59:59]
// expect: 31 Dec 2024 23:59:59 | 31 Dec 2024 23:59:59

// case: dates before the year 100 have a text
var d;
begin
  d := EncodeDate(50, 3, 5);
  Print(VarToStr(d), '|', DateToStr(d), '|', VarToStr(EncodeDate(1, 1, 1)));
  Print(StrToDate(DateToStr(d)) = d);
end;
// expect: 5 Mar 0050 | 5 Mar 0050 | 1 Jan 0001
// expect: True

// case: StrToDate refuses signs, empty parts and a separator first
var texts, i;
begin
  texts := VarArrayOf('5/3/-2024', '-5/3/2024', '5//3/2024', '/5/3/2024', '5/3/2024//');
  for i := 0 to 4 do
    try
      StrToDate(texts[i]);
      Print('accepted ' + texts[i]);
    except
      Print(exception);
    end;
  Print(StrToDate('5/3/2024/') = StrToDate('5 Mar 2024'));
end;
// expect: '5/3/-2024' is not a valid date
// expect: '-5/3/2024' is not a valid date
// expect: '5//3/2024' is not a valid date
// expect: '/5/3/2024' is not a valid date
// expect: '5/3/2024//' is not a valid date
// expect: True
