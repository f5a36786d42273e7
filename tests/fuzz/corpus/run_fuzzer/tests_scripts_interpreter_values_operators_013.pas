begin
  try
    Print(('1' + 2147483647) xor 3);
  except
    Print(exception);
  end;
  Print((2147483647.4 + 0) xor 0, -2147483648.5 xor 0);
  Print((2147483647 + 1) div 2);
end;
