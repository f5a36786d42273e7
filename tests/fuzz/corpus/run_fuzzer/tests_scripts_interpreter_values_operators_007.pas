begin
  Print('B' < 'a', 'abc' < 'abd', 'ab' < 'abc', 'b' > 'abc');
end;

