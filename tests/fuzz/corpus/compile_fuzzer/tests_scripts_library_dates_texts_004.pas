begin
  StrToTime('25:00');
end;

