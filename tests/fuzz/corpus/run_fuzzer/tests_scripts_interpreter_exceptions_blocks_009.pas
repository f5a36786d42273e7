var i;
begin
  for i := 1 to 3 do
    try
      if i = 2 then break;
    except
      Print('handler', i, exception);
    end;
  Fail('late');
end;

