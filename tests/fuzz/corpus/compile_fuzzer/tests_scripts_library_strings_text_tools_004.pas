begin
  Print(Ord('A'), Ord(Chr(255)), Ord(Chr(0)), Chr(65) + Chr(66), Ord('xyz'), Ord(5));
end;

