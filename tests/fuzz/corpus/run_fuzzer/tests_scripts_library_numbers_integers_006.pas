begin
  Print(Length(IntToHex(1, 300)), IntToHex(-1, 0));
  IntToHex(1, 2147483647);
end;
