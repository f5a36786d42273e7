begin
  Print(True + 1, True and 5, True and False, not True);
end;

