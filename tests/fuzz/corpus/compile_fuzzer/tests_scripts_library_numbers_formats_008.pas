begin
  Print(Format('[%.300000000s]', 'abc'), Format('[%-4.99999999999999999999s]', 'ab'));
  Format('%300000000d', 1);
end;

