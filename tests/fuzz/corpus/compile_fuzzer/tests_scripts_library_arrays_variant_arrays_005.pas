begin
  Print(Length(Null), Length(12345), Length('abc'), Length(''));
end;

