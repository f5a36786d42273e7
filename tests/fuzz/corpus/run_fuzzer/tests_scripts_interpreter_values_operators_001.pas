begin
  Print('1' + 2, '1' + '2', '2' * '3');
end;

