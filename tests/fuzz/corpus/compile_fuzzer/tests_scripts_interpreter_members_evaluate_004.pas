begin
  Evaluate('1 +');
end;

