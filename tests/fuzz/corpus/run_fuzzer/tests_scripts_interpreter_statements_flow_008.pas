const Greeting = 'hello'; Count = 3;
begin
  Print(Greeting, Count);
end;

