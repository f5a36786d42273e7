begin
  JoinStrings('abc', ',');
end;
