// case: Format replaces its directives by the values in order
begin
  Print(Format('%d-%s', 5, 'x'));
  Print(Format('[%5d|%-5d|%.3d|%x]', 42, 42, 7, 255), Format('%u', -1));
  Print(Format('[%8.3f|%.0f|%e|%g]', 3.14159, 2.5, 1234.5678, 0.00001));
  Print(Format('[%n|%m|%s|%.2s|%%]', 1234567.891, -1234.5, 'abc', 'abcdef'));
  Print(Format('%1:s %0:s %s', 'a', 'b'));
end;
// expect: 5-x
// expect: [   42|42   |007|FF] 4294967295
// expect: [   3.142|3|1.23456780000000E+003|0.00001]
// expect: [1,234,567.89|-1,234.50|abc|ab|%]
// expect: b a b

// case: Format takes one to four values
begin
  Format('%d%d%d%d%d', 1, 2, 3, 4, 5);
end;
// expect error: Too many actual parameters

// case: a directive without a value fails
begin
  Format('%d %d', 1);
end;
// expect error: No argument for format '%d %d'

// case: a value of the wrong kind fails
begin
  Format('%d', 'x');
end;
// expect error: Format '%d' invalid or incompatible with argument

// case: a malformed directive fails
begin
  Format('%z', 1);
end;
// expect error: Format '%z' invalid or incompatible with argument

// case: FloatToStr and CurrToStr write up to 15 significant digits
begin
  Print(FloatToStr(1/3), FloatToStr(StrToFloat('1e20')), FloatToStr(0.00001), FloatToStr(100), CurrToStr(StrToCurr('-0.0001')));
end;
// expect: 0.333333333333333 1E20 0.00001 100 -0.0001

// case: FormatFloat and FormatCurr lay numbers out by their picture
begin
  Print(FormatFloat('#,##0.00;(#,##0.00);zero', -1234567.891), FormatFloat('#,##0.00;(#,##0.00);zero', 0));
  Print(FormatFloat('0.000E+00', 1234.5), FormatFloat('"Price: "0.00', 5), FormatFloat('', 3.5), FormatCurr('0.00', StrToCurr('2.675')));
end;
// expect: (1,234,567.89) zero
// expect: 1.235E+03 Price: 5.00 3.5 2.68

// case: StrToFloat reads the decimal separator of the locale and an exponent
begin
  Print(StrToFloat(' 1.5e3 '), StrToFloat('.5'), StrToCurr('12.34'));
  StrToFloat('1,5');
end;
// expect: 1500 0.5 12.34
// expect error: '1,5' is not a valid floating point value

// case: Format limits its result, not the numbers written in its directives
begin
  Print(Format('[%.300000000s]', 'abc'), Format('[%-4.99999999999999999999s]', 'ab'));
  Format('%300000000d', 1);
end;
// expect: [abc] [ab  ]
// expect error: Format string too long

// case: a precision past the result limit fails before anything is written
begin
  Format('%.300000000x', 255);
end;
// expect error: Format string too long

// case: StrToCurr reads in decimal, rounding the fifth decimal place to the even amount
begin
  Print(CurrToStr(StrToCurr('922337203685477.5807')), CurrToStr(StrToCurr('-922337203685477.5808')));
  Print(CurrToStr(StrToCurr('-0.00005')), CurrToStr(StrToCurr('0.00015')), CurrToStr(StrToCurr('0.00025')), CurrToStr(StrToCurr('0.000251')));
  Print(CurrToStr(StrToCurr('1.5e-4')), CurrToStr(StrToCurr('0e999')), CurrToStr(StrToCurr(' +12.5e2 ')), CurrToStr(StrToCurr('0.00001e4')));
  StrToCurr('922337203685477.5808');
end;
// expect: 922337203685477.5807 -922337203685477.5808
// expect: 0 0.0002 0.0002 0.0003
// expect: 0.0002 0 1250 0.1
// expect error: '922337203685477.5808' is not a valid floating point value

// case: StrToCurr refuses an amount that rounds beyond the range
begin
  Print(CurrToStr(StrToCurr('-922337203685477.58085')));
  StrToCurr('-922337203685477.58086');
end;
// expect: -922337203685477.5808
// expect error: '-922337203685477.58086' is not a valid floating point value

// case: a text converted to currency by an operator is read in decimal too
begin
  Print(CurrToStr(StrToCurr('0') + '0.00005'), CurrToStr(StrToCurr('0') + '0.00015'));
end;
// expect: 0 0.0002
