var a;
begin
  a := 2;
  Print(Evaluate('Evaluate(''a + 1'') * 10'));
end;

