var a;
begin
  a := 1;
  try
    Print(1, 2, 3 + Fail('deep'));
  except
    Print('caught', exception);
  end;
  Print(a + 1);
end;

