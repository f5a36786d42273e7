function F(a);
begin
  try
    raise 41;
  except
    result := exception + 1;
    exit;
  end;
  result := 0;
end;

