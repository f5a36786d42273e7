var a, b;
begin
  a := 1;
  b := 'two';
  Swap(@a, @b);
  Print(a, b);
end;

