begin
  Print(JoinStrings(VarArrayOf('a', 1, Null, True), '|'), '[' + JoinStrings(VarArrayCreate(-1), ',') + ']', JoinStrings(SplitString('1 2 3', ' '), '+'));
end;

