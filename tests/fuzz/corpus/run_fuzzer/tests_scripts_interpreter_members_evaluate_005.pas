var s;
begin
  s := 'Evaluate(s)';
  try
    Evaluate(s);
  except
    Print('caught', exception);
  end;
  Print(Evaluate('1 + 1'));
end;
