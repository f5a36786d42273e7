begin
  StrToDate('31 Feb 2024');
end;

