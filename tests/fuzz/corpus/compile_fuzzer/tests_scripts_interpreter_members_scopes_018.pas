begin
  Free;
end;

