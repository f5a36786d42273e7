var a;
begin
  a := 5;
  Print(Evaluate('a * 2 + 1'));
end;

