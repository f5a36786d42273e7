begin
  Chr(256);
end;

