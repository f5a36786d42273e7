begin
  try
    Evaluate('1 div 0');
  except
    Print('caught', exception);
  end;
  Print(Evaluate('1 + 1'));
end;

