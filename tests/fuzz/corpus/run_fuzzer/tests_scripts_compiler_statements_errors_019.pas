begin
  _
end;

