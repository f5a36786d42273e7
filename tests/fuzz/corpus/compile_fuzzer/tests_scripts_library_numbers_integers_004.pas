begin
  Print(Min(3, 1, 2), Max(3, 1, 2), Min('b', 'a'), Max(1.5, 2));
  Min(5);
end;

