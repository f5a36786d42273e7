var d, t, n;
begin
  n := Now;
  d := Date;
  t := Time;
  Print(FormatDateTime('hh:nn:ss.zzz', d), t < 1, n - d < 1.0001, d <= n);
end;
