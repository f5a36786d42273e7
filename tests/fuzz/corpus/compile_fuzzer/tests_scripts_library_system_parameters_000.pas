begin
  Print(ParamCount, ParamStr(0), ParamStr(1), '[' + ParamStr(2) + ']', '[' + ParamStr(3) + ']', '[' + ParamStr(-1) + ']');
end;

