begin
  StrToDateTime('5 Mar 2024 13:xx');
end;

