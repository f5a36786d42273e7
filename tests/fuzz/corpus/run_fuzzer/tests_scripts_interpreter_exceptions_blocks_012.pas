begin
  Evaluate('NoMemory');
end;
