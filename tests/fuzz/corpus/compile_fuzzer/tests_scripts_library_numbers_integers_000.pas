begin
  Print(IntToHex(255, 4), IntToHex(-1, 2), IntToHex(0, 0), IntToHex(-1, 10), IntToStr(-42));
end;

