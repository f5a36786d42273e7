begin
  EncodeTime(24, 0, 0, 0);
end;

