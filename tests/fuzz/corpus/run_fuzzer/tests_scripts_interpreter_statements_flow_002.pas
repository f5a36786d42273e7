function F;
begin
  result := 1;
  exit;
  result := 2;
end;

