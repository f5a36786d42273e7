begin
  Format('%.300000000x', 255);
end;

