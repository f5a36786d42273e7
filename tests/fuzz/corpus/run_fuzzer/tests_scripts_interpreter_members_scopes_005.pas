begin
  Print(Answer);
  Answer := 1;
end;

