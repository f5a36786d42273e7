var s;
begin
  s := 'text';
  try
    raise @s;
  except
    Print(exception);
  end;
  s := '';
  raise @s;
end;

