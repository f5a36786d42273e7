begin
  Print(Format('%d-%s', 5, 'x'));
  Print(Format('[%5d|%-5d|%.3d|%x]', 42, 42, 7, 255), Format('%u', -1));
  Print(Format('[%8.3f|%.0f|%e|%g]', 3.14159, 2.5, 1234.5678, 0.00001));
  Print(Format('[%n|%m|%s|%.2s|%%]', 1234567.891, -1234.5, 'abc', 'abcdef'));
  Print(Format('%1:s %0:s %s', 'a', 'b'));
end;

