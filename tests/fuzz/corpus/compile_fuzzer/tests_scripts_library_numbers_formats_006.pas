begin
  Print(FormatFloat('#,##0.00;(#,##0.00);zero', -1234567.891), FormatFloat('#,##0.00;(#,##0.00);zero', 0));
  Print(FormatFloat('0.000E+00', 1234.5), FormatFloat('"Price: "0.00', 5), FormatFloat('', 3.5), FormatCurr('0.00', StrToCurr('2.675')));
end;

